<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>Game</name>
    <message>
        <source>Raise</source>
        <translation>Erhöhen</translation>
    </message>
    <message>
        <source>Bet</source>
        <translation>Setzen</translation>
    </message>
    <message>
        <source>Call</source>
        <translation>Mitgehen</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Checken</translation>
    </message>
    <message>
        <source>Fold</source>
        <translation>Passen</translation>
    </message>
    <message>
        <source>Deal</source>
        <translation>Geben</translation>
    </message>
    <message>
        <source>Calls</source>
        <translation>Geht mit</translation>
    </message>
    <message>
        <source>Checks</source>
        <translation>Checkt</translation>
    </message>
    <message>
        <source>Raises</source>
        <translation>Erhöht</translation>
    </message>
    <message>
        <source>Folds</source>
        <translation>Passt</translation>
    </message>
    <message>
        <source>you fold</source>
        <translation>Du passt</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <translation>Bist du sicher?</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source>Game over</source>
        <translation>Spielende</translation>
    </message>
    <message>
        <source>You win!</source>
        <translation>Du hast gewonnen!</translation>
    </message>
    <message>
        <source>You lose!</source>
        <translation>Du hast verloren!</translation>
    </message>
    <message>
        <source>Freak wins</source>
        <translation>Peter hat gewonnen</translation>
    </message>
    <message>
        <source>Geek wins</source>
        <translation>Anna hat gewonnen</translation>
    </message>
    <message>
        <source>Master wins</source>
        <translation>George hat gewonnen</translation>
    </message>
    <message>
        <source>Champ wins</source>
        <translation>Maria hat gewonnen</translation>
    </message>
    <message>
        <source>Invalid value</source>
        <translation>Ungültiger Wert</translation>
    </message>
    <message>
        <source>the value is off limits</source>
        <translation>Der Wert liegt außerhalb des zulässigen Bereichs.</translation>
    </message>
    <message>
        <source>New initial cash value confirmation</source>
        <translation>Neues Startgeld übernommen</translation>
    </message>
    <message>
        <source>New until value confirmation</source>
        <translation>Neues Spielziel übernommen</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>In %1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>„%1“ ist keine gültige ganze Zahl</translation>
    </message>
    <message>
        <source>One pair Twos</source>
        <translation>Ein Paar Zweien</translation>
    </message>
    <message>
        <source>One pair Threes</source>
        <translation>Ein Paar Dreien</translation>
    </message>
    <message>
        <source>One pair Fours</source>
        <translation>Ein Paar Vieren</translation>
    </message>
    <message>
        <source>One pair Fives</source>
        <translation>Ein Paar Fünfen</translation>
    </message>
    <message>
        <source>One pair Sixes</source>
        <translation>Ein Paar Sechsen</translation>
    </message>
    <message>
        <source>One pair Sevens</source>
        <translation>Ein Paar Siebenen</translation>
    </message>
    <message>
        <source>One pair Eights</source>
        <translation>Ein Paar Achten</translation>
    </message>
    <message>
        <source>One pair Nines</source>
        <translation>Ein Paar Neunen</translation>
    </message>
    <message>
        <source>One pair Tens</source>
        <translation>Ein Paar Zehnen</translation>
    </message>
    <message>
        <source>One pair Jacks</source>
        <translation>Ein Paar Buben</translation>
    </message>
    <message>
        <source>One pair Queens</source>
        <translation>Ein Paar Damen</translation>
    </message>
    <message>
        <source>One pair Kings</source>
        <translation>Ein Paar Könige</translation>
    </message>
    <message>
        <source>One pair Aces</source>
        <translation>Ein Paar Asse</translation>
    </message>
    <message>
        <source>Two pairs Threes</source>
        <translation>Zwei Paare, Dreien oben</translation>
    </message>
    <message>
        <source>Two pairs Fours</source>
        <translation>Zwei Paare, Vieren oben</translation>
    </message>
    <message>
        <source>Two pairs Fives</source>
        <translation>Zwei Paare, Fünfen oben</translation>
    </message>
    <message>
        <source>Two pairs Sixes</source>
        <translation>Zwei Paare, Sechsen oben</translation>
    </message>
    <message>
        <source>Two pairs Sevens</source>
        <translation>Zwei Paare, Siebenen oben</translation>
    </message>
    <message>
        <source>Two pairs Eights</source>
        <translation>Zwei Paare, Achten oben</translation>
    </message>
    <message>
        <source>Two pairs Nines</source>
        <translation>Zwei Paare, Neunen oben</translation>
    </message>
    <message>
        <source>Two pairs Tens</source>
        <translation>Zwei Paare, Zehnen oben</translation>
    </message>
    <message>
        <source>Two pairs Jacks</source>
        <translation>Zwei Paare, Buben oben</translation>
    </message>
    <message>
        <source>Two pairs Queens</source>
        <translation>Zwei Paare, Damen oben</translation>
    </message>
    <message>
        <source>Two pairs Kings</source>
        <translation>Zwei Paare, Könige oben</translation>
    </message>
    <message>
        <source>Two pairs Aces</source>
        <translation>Zwei Paare, Asse oben</translation>
    </message>
    <message>
        <source>Three Twos</source>
        <translation>Drilling Zweien</translation>
    </message>
    <message>
        <source>Three Threes</source>
        <translation>Drilling Dreien</translation>
    </message>
    <message>
        <source>Three Fours</source>
        <translation>Drilling Vieren</translation>
    </message>
    <message>
        <source>Three Fives</source>
        <translation>Drilling Fünfen</translation>
    </message>
    <message>
        <source>Three Sixes</source>
        <translation>Drilling Sechsen</translation>
    </message>
    <message>
        <source>Three Sevens</source>
        <translation>Drilling Siebenen</translation>
    </message>
    <message>
        <source>Three Eights</source>
        <translation>Drilling Achten</translation>
    </message>
    <message>
        <source>Three Nines</source>
        <translation>Drilling Neunen</translation>
    </message>
    <message>
        <source>Three Tens</source>
        <translation>Drilling Zehnen</translation>
    </message>
    <message>
        <source>Three Jacks</source>
        <translation>Drilling Buben</translation>
    </message>
    <message>
        <source>Three Queens</source>
        <translation>Drilling Damen</translation>
    </message>
    <message>
        <source>Three Kings</source>
        <translation>Drilling Könige</translation>
    </message>
    <message>
        <source>Three Aces</source>
        <translation>Drilling Asse</translation>
    </message>
    <message>
        <source>Straight Six High</source>
        <translation>Straße bis zur Sechs</translation>
    </message>
    <message>
        <source>Straight Seven High</source>
        <translation>Straße bis zur Sieben</translation>
    </message>
    <message>
        <source>Straight Eight High</source>
        <translation>Straße bis zur Acht</translation>
    </message>
    <message>
        <source>Straight Nine High</source>
        <translation>Straße bis zur Neun</translation>
    </message>
    <message>
        <source>Straight Ten High</source>
        <translation>Straße bis zur Zehn</translation>
    </message>
    <message>
        <source>Straight Jack High</source>
        <translation>Straße bis zum Buben</translation>
    </message>
    <message>
        <source>Straight Queen High</source>
        <translation>Straße bis zur Dame</translation>
    </message>
    <message>
        <source>Straight King High</source>
        <translation>Straße bis zum König</translation>
    </message>
    <message>
        <source>Straight Ace High</source>
        <translation>Straße bis zum Ass</translation>
    </message>
    <message>
        <source>Flush Six High</source>
        <translation>Flush, Sechs hoch</translation>
    </message>
    <message>
        <source>Flush Seven High</source>
        <translation>Flush, Sieben hoch</translation>
    </message>
    <message>
        <source>Flush Eight High</source>
        <translation>Flush, Acht hoch</translation>
    </message>
    <message>
        <source>Flush Nine High</source>
        <translation>Flush, Neun hoch</translation>
    </message>
    <message>
        <source>Flush Ten High</source>
        <translation>Flush, Zehn hoch</translation>
    </message>
    <message>
        <source>Flush Jack High</source>
        <translation>Flush, Bube hoch</translation>
    </message>
    <message>
        <source>Flush Queen High</source>
        <translation>Flush, Dame hoch</translation>
    </message>
    <message>
        <source>Flush King High</source>
        <translation>Flush, König hoch</translation>
    </message>
    <message>
        <source>Flush Ace High</source>
        <translation>Flush, Ass hoch</translation>
    </message>
    <message>
        <source>Full house Twos</source>
        <translation>Full House, Zweien voll</translation>
    </message>
    <message>
        <source>Full house Threes</source>
        <translation>Full House, Dreien voll</translation>
    </message>
    <message>
        <source>Full house Fours</source>
        <translation>Full House, Vieren voll</translation>
    </message>
    <message>
        <source>Full house Fives</source>
        <translation>Full House, Fünfen voll</translation>
    </message>
    <message>
        <source>Full house Sixes</source>
        <translation>Full House, Sechsen voll</translation>
    </message>
    <message>
        <source>Full house Sevens</source>
        <translation>Full House, Siebenen voll</translation>
    </message>
    <message>
        <source>Full house Eights</source>
        <translation>Full House, Achten voll</translation>
    </message>
    <message>
        <source>Full house Nines</source>
        <translation>Full House, Neunen voll</translation>
    </message>
    <message>
        <source>Full house Tens</source>
        <translation>Full House, Zehnen voll</translation>
    </message>
    <message>
        <source>Full house Jacks</source>
        <translation>Full House, Buben voll</translation>
    </message>
    <message>
        <source>Full house Queens</source>
        <translation>Full House, Damen voll</translation>
    </message>
    <message>
        <source>Full house Kings</source>
        <translation>Full House, Könige voll</translation>
    </message>
    <message>
        <source>Full house Aces</source>
        <translation>Full House, Asse voll</translation>
    </message>
    <message>
        <source>Four Twos</source>
        <translation>Vierling Zweien</translation>
    </message>
    <message>
        <source>Four Threes</source>
        <translation>Vierling Dreien</translation>
    </message>
    <message>
        <source>Four Fours</source>
        <translation>Vierling Vieren</translation>
    </message>
    <message>
        <source>Four Fives</source>
        <translation>Vierling Fünfen</translation>
    </message>
    <message>
        <source>Four Sixes</source>
        <translation>Vierling Sechsen</translation>
    </message>
    <message>
        <source>Four Sevens</source>
        <translation>Vierling Siebenen</translation>
    </message>
    <message>
        <source>Four Eights</source>
        <translation>Vierling Achten</translation>
    </message>
    <message>
        <source>Four Nines</source>
        <translation>Vierling Neunen</translation>
    </message>
    <message>
        <source>Four Tens</source>
        <translation>Vierling Zehnen</translation>
    </message>
    <message>
        <source>Four Jacks</source>
        <translation>Vierling Buben</translation>
    </message>
    <message>
        <source>Four Queens</source>
        <translation>Vierling Damen</translation>
    </message>
    <message>
        <source>Four Kings</source>
        <translation>Vierling Könige</translation>
    </message>
    <message>
        <source>Four Aces</source>
        <translation>Vierling Asse</translation>
    </message>
    <message>
        <source>Four</source>
        <translation>Vier hoch</translation>
    </message>
    <message>
        <source>Five</source>
        <translation>Fünf hoch</translation>
    </message>
    <message>
        <source>Six</source>
        <translation>Sechs hoch</translation>
    </message>
    <message>
        <source>Seven</source>
        <translation>Sieben hoch</translation>
    </message>
    <message>
        <source>Eight</source>
        <translation>Acht hoch</translation>
    </message>
    <message>
        <source>Nine</source>
        <translation>Neun hoch</translation>
    </message>
    <message>
        <source>Ten</source>
        <translation>Zehn hoch</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>Bube hoch</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>Dame hoch</translation>
    </message>
    <message>
        <source>King</source>
        <translation>König hoch</translation>
    </message>
    <message>
        <source>Ace</source>
        <translation>Ass hoch</translation>
    </message>
    <message>
        <source>Straight flush</source>
        <translation>Straight Flush</translation>
    </message>
    <message>
        <source>Straight Five High</source>
        <translation>Straße bis zur Fünf</translation>
    </message>
</context>
<context>
    <name>Cards</name>
    <message>
        <source>Two of clubs</source>
        <translation>Kreuz-Zwei</translation>
    </message>
    <message>
        <source>Three of clubs</source>
        <translation>Kreuz-Drei</translation>
    </message>
    <message>
        <source>Four of clubs</source>
        <translation>Kreuz-Vier</translation>
    </message>
    <message>
        <source>Five of clubs</source>
        <translation>Kreuz-Fünf</translation>
    </message>
    <message>
        <source>Six of clubs</source>
        <translation>Kreuz-Sechs</translation>
    </message>
    <message>
        <source>Seven of clubs</source>
        <translation>Kreuz-Sieben</translation>
    </message>
    <message>
        <source>Eight of clubs</source>
        <translation>Kreuz-Acht</translation>
    </message>
    <message>
        <source>Nine of clubs</source>
        <translation>Kreuz-Neun</translation>
    </message>
    <message>
        <source>Ten of clubs</source>
        <translation>Kreuz-Zehn</translation>
    </message>
    <message>
        <source>Jack of clubs</source>
        <translation>Kreuz-Bube</translation>
    </message>
    <message>
        <source>Queen of clubs</source>
        <translation>Kreuz-Dame</translation>
    </message>
    <message>
        <source>King of clubs</source>
        <translation>Kreuz-König</translation>
    </message>
    <message>
        <source>Ace of clubs</source>
        <translation>Kreuz-Ass</translation>
    </message>
    <message>
        <source>Two of diamonds</source>
        <translation>Karo-Zwei</translation>
    </message>
    <message>
        <source>Three of diamonds</source>
        <translation>Karo-Drei</translation>
    </message>
    <message>
        <source>Four of diamonds</source>
        <translation>Karo-Vier</translation>
    </message>
    <message>
        <source>Five of diamonds</source>
        <translation>Karo-Fünf</translation>
    </message>
    <message>
        <source>Six of diamonds</source>
        <translation>Karo-Sechs</translation>
    </message>
    <message>
        <source>Seven of diamonds</source>
        <translation>Karo-Sieben</translation>
    </message>
    <message>
        <source>Eight of diamonds</source>
        <translation>Karo-Acht</translation>
    </message>
    <message>
        <source>Nine of diamonds</source>
        <translation>Karo-Neun</translation>
    </message>
    <message>
        <source>Ten of diamonds</source>
        <translation>Karo-Zehn</translation>
    </message>
    <message>
        <source>Jack of diamonds</source>
        <translation>Karo-Bube</translation>
    </message>
    <message>
        <source>Queen of diamonds</source>
        <translation>Karo-Dame</translation>
    </message>
    <message>
        <source>King of diamonds</source>
        <translation>Karo-König</translation>
    </message>
    <message>
        <source>Ace of diamonds</source>
        <translation>Karo-Ass</translation>
    </message>
    <message>
        <source>Two of hearts</source>
        <translation>Herz-Zwei</translation>
    </message>
    <message>
        <source>Three of hearts</source>
        <translation>Herz-Drei</translation>
    </message>
    <message>
        <source>Four of hearts</source>
        <translation>Herz-Vier</translation>
    </message>
    <message>
        <source>Five of hearts</source>
        <translation>Herz-Fünf</translation>
    </message>
    <message>
        <source>Six of hearts</source>
        <translation>Herz-Sechs</translation>
    </message>
    <message>
        <source>Seven of hearts</source>
        <translation>Herz-Sieben</translation>
    </message>
    <message>
        <source>Eight of hearts</source>
        <translation>Herz-Acht</translation>
    </message>
    <message>
        <source>Nine of hearts</source>
        <translation>Herz-Neun</translation>
    </message>
    <message>
        <source>Ten of hearts</source>
        <translation>Herz-Zehn</translation>
    </message>
    <message>
        <source>Jack of hearts</source>
        <translation>Herz-Bube</translation>
    </message>
    <message>
        <source>Queen of hearts</source>
        <translation>Herz-Dame</translation>
    </message>
    <message>
        <source>King of hearts</source>
        <translation>Herz-König</translation>
    </message>
    <message>
        <source>Ace of hearts</source>
        <translation>Herz-Ass</translation>
    </message>
    <message>
        <source>Two of spades</source>
        <translation>Pik-Zwei</translation>
    </message>
    <message>
        <source>Three of spades</source>
        <translation>Pik-Drei</translation>
    </message>
    <message>
        <source>Four of spades</source>
        <translation>Pik-Vier</translation>
    </message>
    <message>
        <source>Five of spades</source>
        <translation>Pik-Fünf</translation>
    </message>
    <message>
        <source>Six of spades</source>
        <translation>Pik-Sechs</translation>
    </message>
    <message>
        <source>Seven of spades</source>
        <translation>Pik-Sieben</translation>
    </message>
    <message>
        <source>Eight of spades</source>
        <translation>Pik-Acht</translation>
    </message>
    <message>
        <source>Nine of spades</source>
        <translation>Pik-Neun</translation>
    </message>
    <message>
        <source>Ten of spades</source>
        <translation>Pik-Zehn</translation>
    </message>
    <message>
        <source>Jack of spades</source>
        <translation>Pik-Bube</translation>
    </message>
    <message>
        <source>Queen of spades</source>
        <translation>Pik-Dame</translation>
    </message>
    <message>
        <source>King of spades</source>
        <translation>Pik-König</translation>
    </message>
    <message>
        <source>Ace of spades</source>
        <translation>Pik-Ass</translation>
    </message>
</context>
<context>
    <name>TableSpeech</name>
    <message>
        <source>You</source>
        <translation>Du</translation>
    </message>
    <message>
        <source>no cards</source>
        <translation>keine Karten</translation>
    </message>
    <message>
        <source>one card face down</source>
        <translation>eine verdeckte Karte</translation>
    </message>
    <message>
        <source>two cards face down</source>
        <translation>zwei verdeckte Karten</translation>
    </message>
    <message>
        <source>three cards face down</source>
        <translation>drei verdeckte Karten</translation>
    </message>
    <message>
        <source>Your cards: %1</source>
        <translation>Deine Karten: %1</translation>
    </message>
    <message>
        <source>Peter&apos;s cards: %1</source>
        <translation>Karten von Peter: %1</translation>
    </message>
    <message>
        <source>Anna&apos;s cards: %1</source>
        <translation>Karten von Anna: %1</translation>
    </message>
    <message>
        <source>George&apos;s cards: %1</source>
        <translation>Karten von George: %1</translation>
    </message>
    <message>
        <source>Maria&apos;s cards: %1</source>
        <translation>Karten von Maria: %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>raises</source>
        <translation>erhöht</translation>
    </message>
    <message>
        <source>calls</source>
        <translation>geht mit</translation>
    </message>
    <message>
        <source>checks</source>
        <translation>checkt</translation>
    </message>
    <message>
        <source>folds</source>
        <translation>passt</translation>
    </message>
    <message>
        <source>you fold</source>
        <translation>du passt</translation>
    </message>
    <message>
        <source>New deal</source>
        <translation>Neue Hand</translation>
    </message>
    <message>
        <source>Fourth street</source>
        <translation>Fourth Street</translation>
    </message>
    <message>
        <source>Fifth street</source>
        <translation>Fifth Street</translation>
    </message>
    <message>
        <source>Sixth street</source>
        <translation>Sixth Street</translation>
    </message>
    <message>
        <source>Seventh street</source>
        <translation>Seventh Street</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>You get %1</source>
        <translation>Du bekommst: %1</translation>
    </message>
    <message>
        <source>%1 shows %2</source>
        <translation>%1 zeigt: %2</translation>
    </message>
    <message>
        <source>%1 gets a card face down</source>
        <translation>%1 bekommt eine verdeckte Karte</translation>
    </message>
    <message>
        <source>%1 get a card face down</source>
        <translation>%1 bekommen je eine verdeckte Karte</translation>
    </message>
    <message>
        <source>%1 raises</source>
        <translation>%1 erhöht</translation>
    </message>
    <message>
        <source>%1 calls</source>
        <translation>%1 geht mit</translation>
    </message>
    <message>
        <source>%1 checks</source>
        <translation>%1 checkt</translation>
    </message>
    <message>
        <source>%1 folds</source>
        <translation>%1 passt</translation>
    </message>
    <message>
        <source>Showdown: %1</source>
        <translation>Showdown: %1</translation>
    </message>
    <message>
        <source>You have %1</source>
        <translation>Du hast %1</translation>
    </message>
    <message>
        <source>%1 has %2</source>
        <translation>%1 hat %2</translation>
    </message>
    <message>
        <source>You win %1</source>
        <translation>Du gewinnst %1</translation>
    </message>
    <message>
        <source>%1 wins %2</source>
        <translation>%1 gewinnt %2</translation>
    </message>
    <message>
        <source>You win %1 with %2</source>
        <translation>Du gewinnst %1 (%2)</translation>
    </message>
    <message>
        <source>%1 wins %2 with %3</source>
        <translation>%1 gewinnt %2 (%3)</translation>
    </message>
    <message>
        <source>Split pot: %1</source>
        <translation>Split-Pot: %1</translation>
    </message>
    <message>
        <source>Everybody else has folded: you take the pot of %1</source>
        <translation>Alle anderen haben gepasst: Du gewinnst den Pot von %1</translation>
    </message>
    <message>
        <source>Pot %1</source>
        <translation>Pot %1</translation>
    </message>
    <message>
        <source>%1 to call</source>
        <translation>%1 zu zahlen</translation>
    </message>
    <message>
        <source>nothing to call</source>
        <translation>nichts zu zahlen</translation>
    </message>
    <message>
        <source>Deal over</source>
        <translation>Hand beendet</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>. </source>
        <translation>. </translation>
    </message>
    <message>
        <source>.</source>
        <translation>.</translation>
    </message>
    <message>
        <source>four cards face down</source>
        <translation>vier verdeckte Karten</translation>
    </message>
    <message>
        <source>five cards face down</source>
        <translation>fünf verdeckte Karten</translation>
    </message>
    <message>
        <source>six cards face down</source>
        <translation>sechs verdeckte Karten</translation>
    </message>
    <message>
        <source>seven cards face down</source>
        <translation>sieben verdeckte Karten</translation>
    </message>
    <message>
        <source>Peter</source>
        <translation>Peter</translation>
    </message>
    <message>
        <source>Anna</source>
        <translation>Anna</translation>
    </message>
    <message>
        <source>George</source>
        <translation>George</translation>
    </message>
    <message>
        <source>Maria</source>
        <translation>Maria</translation>
    </message>
</context>
<context>
    <name>SpokenHand</name>
    <message>
        <source>One pair Twos</source>
        <extracomment>A hand&apos;s name inside a sentence (&quot;Peter has %2&quot;, &quot;%1 wins %2 with %3&quot;, &quot;Showdown: %1&quot;): the status line&apos;s name (context Game) with the letters and words the middle of a sentence wants.</extracomment>
        <translation>ein Paar Zweien</translation>
    </message>
    <message>
        <source>One pair Threes</source>
        <translation>ein Paar Dreien</translation>
    </message>
    <message>
        <source>One pair Fours</source>
        <translation>ein Paar Vieren</translation>
    </message>
    <message>
        <source>One pair Fives</source>
        <translation>ein Paar Fünfen</translation>
    </message>
    <message>
        <source>One pair Sixes</source>
        <translation>ein Paar Sechsen</translation>
    </message>
    <message>
        <source>One pair Sevens</source>
        <translation>ein Paar Siebenen</translation>
    </message>
    <message>
        <source>One pair Eights</source>
        <translation>ein Paar Achten</translation>
    </message>
    <message>
        <source>One pair Nines</source>
        <translation>ein Paar Neunen</translation>
    </message>
    <message>
        <source>One pair Tens</source>
        <translation>ein Paar Zehnen</translation>
    </message>
    <message>
        <source>One pair Jacks</source>
        <translation>ein Paar Buben</translation>
    </message>
    <message>
        <source>One pair Queens</source>
        <translation>ein Paar Damen</translation>
    </message>
    <message>
        <source>One pair Kings</source>
        <translation>ein Paar Könige</translation>
    </message>
    <message>
        <source>One pair Aces</source>
        <translation>ein Paar Asse</translation>
    </message>
    <message>
        <source>Two pairs Threes</source>
        <translation>zwei Paare, Dreien oben</translation>
    </message>
    <message>
        <source>Two pairs Fours</source>
        <translation>zwei Paare, Vieren oben</translation>
    </message>
    <message>
        <source>Two pairs Fives</source>
        <translation>zwei Paare, Fünfen oben</translation>
    </message>
    <message>
        <source>Two pairs Sixes</source>
        <translation>zwei Paare, Sechsen oben</translation>
    </message>
    <message>
        <source>Two pairs Sevens</source>
        <translation>zwei Paare, Siebenen oben</translation>
    </message>
    <message>
        <source>Two pairs Eights</source>
        <translation>zwei Paare, Achten oben</translation>
    </message>
    <message>
        <source>Two pairs Nines</source>
        <translation>zwei Paare, Neunen oben</translation>
    </message>
    <message>
        <source>Two pairs Tens</source>
        <translation>zwei Paare, Zehnen oben</translation>
    </message>
    <message>
        <source>Two pairs Jacks</source>
        <translation>zwei Paare, Buben oben</translation>
    </message>
    <message>
        <source>Two pairs Queens</source>
        <translation>zwei Paare, Damen oben</translation>
    </message>
    <message>
        <source>Two pairs Kings</source>
        <translation>zwei Paare, Könige oben</translation>
    </message>
    <message>
        <source>Two pairs Aces</source>
        <translation>zwei Paare, Asse oben</translation>
    </message>
    <message>
        <source>Three Twos</source>
        <translation>Drilling Zweien</translation>
    </message>
    <message>
        <source>Three Threes</source>
        <translation>Drilling Dreien</translation>
    </message>
    <message>
        <source>Three Fours</source>
        <translation>Drilling Vieren</translation>
    </message>
    <message>
        <source>Three Fives</source>
        <translation>Drilling Fünfen</translation>
    </message>
    <message>
        <source>Three Sixes</source>
        <translation>Drilling Sechsen</translation>
    </message>
    <message>
        <source>Three Sevens</source>
        <translation>Drilling Siebenen</translation>
    </message>
    <message>
        <source>Three Eights</source>
        <translation>Drilling Achten</translation>
    </message>
    <message>
        <source>Three Nines</source>
        <translation>Drilling Neunen</translation>
    </message>
    <message>
        <source>Three Tens</source>
        <translation>Drilling Zehnen</translation>
    </message>
    <message>
        <source>Three Jacks</source>
        <translation>Drilling Buben</translation>
    </message>
    <message>
        <source>Three Queens</source>
        <translation>Drilling Damen</translation>
    </message>
    <message>
        <source>Three Kings</source>
        <translation>Drilling Könige</translation>
    </message>
    <message>
        <source>Three Aces</source>
        <translation>Drilling Asse</translation>
    </message>
    <message>
        <source>Straight Six High</source>
        <translation>Straße bis zur Sechs</translation>
    </message>
    <message>
        <source>Straight Seven High</source>
        <translation>Straße bis zur Sieben</translation>
    </message>
    <message>
        <source>Straight Eight High</source>
        <translation>Straße bis zur Acht</translation>
    </message>
    <message>
        <source>Straight Nine High</source>
        <translation>Straße bis zur Neun</translation>
    </message>
    <message>
        <source>Straight Ten High</source>
        <translation>Straße bis zur Zehn</translation>
    </message>
    <message>
        <source>Straight Jack High</source>
        <translation>Straße bis zum Buben</translation>
    </message>
    <message>
        <source>Straight Queen High</source>
        <translation>Straße bis zur Dame</translation>
    </message>
    <message>
        <source>Straight King High</source>
        <translation>Straße bis zum König</translation>
    </message>
    <message>
        <source>Straight Ace High</source>
        <translation>Straße bis zum Ass</translation>
    </message>
    <message>
        <source>Flush Six High</source>
        <translation>Flush, Sechs hoch</translation>
    </message>
    <message>
        <source>Flush Seven High</source>
        <translation>Flush, Sieben hoch</translation>
    </message>
    <message>
        <source>Flush Eight High</source>
        <translation>Flush, Acht hoch</translation>
    </message>
    <message>
        <source>Flush Nine High</source>
        <translation>Flush, Neun hoch</translation>
    </message>
    <message>
        <source>Flush Ten High</source>
        <translation>Flush, Zehn hoch</translation>
    </message>
    <message>
        <source>Flush Jack High</source>
        <translation>Flush, Bube hoch</translation>
    </message>
    <message>
        <source>Flush Queen High</source>
        <translation>Flush, Dame hoch</translation>
    </message>
    <message>
        <source>Flush King High</source>
        <translation>Flush, König hoch</translation>
    </message>
    <message>
        <source>Flush Ace High</source>
        <translation>Flush, Ass hoch</translation>
    </message>
    <message>
        <source>Full house Twos</source>
        <translation>Full House, Zweien voll</translation>
    </message>
    <message>
        <source>Full house Threes</source>
        <translation>Full House, Dreien voll</translation>
    </message>
    <message>
        <source>Full house Fours</source>
        <translation>Full House, Vieren voll</translation>
    </message>
    <message>
        <source>Full house Fives</source>
        <translation>Full House, Fünfen voll</translation>
    </message>
    <message>
        <source>Full house Sixes</source>
        <translation>Full House, Sechsen voll</translation>
    </message>
    <message>
        <source>Full house Sevens</source>
        <translation>Full House, Siebenen voll</translation>
    </message>
    <message>
        <source>Full house Eights</source>
        <translation>Full House, Achten voll</translation>
    </message>
    <message>
        <source>Full house Nines</source>
        <translation>Full House, Neunen voll</translation>
    </message>
    <message>
        <source>Full house Tens</source>
        <translation>Full House, Zehnen voll</translation>
    </message>
    <message>
        <source>Full house Jacks</source>
        <translation>Full House, Buben voll</translation>
    </message>
    <message>
        <source>Full house Queens</source>
        <translation>Full House, Damen voll</translation>
    </message>
    <message>
        <source>Full house Kings</source>
        <translation>Full House, Könige voll</translation>
    </message>
    <message>
        <source>Full house Aces</source>
        <translation>Full House, Asse voll</translation>
    </message>
    <message>
        <source>Four Twos</source>
        <translation>Vierling Zweien</translation>
    </message>
    <message>
        <source>Four Threes</source>
        <translation>Vierling Dreien</translation>
    </message>
    <message>
        <source>Four Fours</source>
        <translation>Vierling Vieren</translation>
    </message>
    <message>
        <source>Four Fives</source>
        <translation>Vierling Fünfen</translation>
    </message>
    <message>
        <source>Four Sixes</source>
        <translation>Vierling Sechsen</translation>
    </message>
    <message>
        <source>Four Sevens</source>
        <translation>Vierling Siebenen</translation>
    </message>
    <message>
        <source>Four Eights</source>
        <translation>Vierling Achten</translation>
    </message>
    <message>
        <source>Four Nines</source>
        <translation>Vierling Neunen</translation>
    </message>
    <message>
        <source>Four Tens</source>
        <translation>Vierling Zehnen</translation>
    </message>
    <message>
        <source>Four Jacks</source>
        <translation>Vierling Buben</translation>
    </message>
    <message>
        <source>Four Queens</source>
        <translation>Vierling Damen</translation>
    </message>
    <message>
        <source>Four Kings</source>
        <translation>Vierling Könige</translation>
    </message>
    <message>
        <source>Four Aces</source>
        <translation>Vierling Asse</translation>
    </message>
    <message>
        <source>Four</source>
        <translation>Vier hoch</translation>
    </message>
    <message>
        <source>Five</source>
        <translation>Fünf hoch</translation>
    </message>
    <message>
        <source>Six</source>
        <translation>Sechs hoch</translation>
    </message>
    <message>
        <source>Seven</source>
        <translation>Sieben hoch</translation>
    </message>
    <message>
        <source>Eight</source>
        <translation>Acht hoch</translation>
    </message>
    <message>
        <source>Nine</source>
        <translation>Neun hoch</translation>
    </message>
    <message>
        <source>Ten</source>
        <translation>Zehn hoch</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>Bube hoch</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>Dame hoch</translation>
    </message>
    <message>
        <source>King</source>
        <translation>König hoch</translation>
    </message>
    <message>
        <source>Ace</source>
        <translation>Ass hoch</translation>
    </message>
    <message>
        <source>Straight flush</source>
        <translation>Straight Flush</translation>
    </message>
    <message>
        <source>Straight Five High</source>
        <translation>Straße bis zur Fünf</translation>
    </message>
</context>
<context>
    <name>ShowdownList</name>
    <message>
        <source>, </source>
        <extracomment>Between the seats&apos; hands in &quot;Showdown: %1&quot; (&quot;You have %1, Peter has %2&quot;). Where a hand name holds a comma itself, join them with something else.</extracomment>
        <translation>; </translation>
    </message>
</context>
<context>
    <name>SplitPotList</name>
    <message>
        <source>, </source>
        <extracomment>Between the wins of a split pot in &quot;Split pot: %1&quot; (&quot;Peter wins 13 with %3, Anna wins 13 with %3&quot;); &quot;%1 and %2&quot; joins the last two.</extracomment>
        <translation>; </translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
</context>
<context>
    <name>TableWindow</name>
    <message>
        <source>Seven Stud</source>
        <translation>Seven Stud</translation>
    </message>
    <message>
        <source>You:</source>
        <translation>Du:</translation>
    </message>
    <message>
        <source>Peter:</source>
        <translation>Peter:</translation>
    </message>
    <message>
        <source>Anna:</source>
        <translation>Anna:</translation>
    </message>
    <message>
        <source>George:</source>
        <translation>George:</translation>
    </message>
    <message>
        <source>Maria:</source>
        <translation>Maria:</translation>
    </message>
    <message>
        <source>Your cash</source>
        <translation>Dein Geld</translation>
    </message>
    <message>
        <source>Peter&apos;s cash</source>
        <translation>Geld von Peter</translation>
    </message>
    <message>
        <source>Anna&apos;s cash</source>
        <translation>Geld von Anna</translation>
    </message>
    <message>
        <source>George&apos;s cash</source>
        <translation>Geld von George</translation>
    </message>
    <message>
        <source>Maria&apos;s cash</source>
        <translation>Geld von Maria</translation>
    </message>
    <message>
        <source>Your status</source>
        <translation>Dein Status</translation>
    </message>
    <message>
        <source>Peter&apos;s status</source>
        <translation>Status von Peter</translation>
    </message>
    <message>
        <source>Anna&apos;s status</source>
        <translation>Status von Anna</translation>
    </message>
    <message>
        <source>George&apos;s status</source>
        <translation>Status von George</translation>
    </message>
    <message>
        <source>Maria&apos;s status</source>
        <translation>Status von Maria</translation>
    </message>
    <message>
        <source>Pot</source>
        <translation>Pot</translation>
    </message>
    <message>
        <source>Raise</source>
        <translation>Erhöhen</translation>
    </message>
    <message>
        <source>Fold</source>
        <translation>Passen</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Checken</translation>
    </message>
    <message>
        <source>Deal</source>
        <translation>Geben</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Ein unerwarteter Fehler ist aufgetreten.</translation>
    </message>
</context>
<context>
    <name>OptionsPanel</name>
    <message>
        <source>Initial cash</source>
        <translation>Startgeld</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Anwenden</translation>
    </message>
    <message>
        <source>Enter initial cash</source>
        <translation>Startgeld übernehmen</translation>
    </message>
    <message>
        <source>Play until </source>
        <translation>Spielziel:</translation>
    </message>
    <message>
        <source>someone wins</source>
        <translation>Gewinn von</translation>
    </message>
    <message>
        <source>Play until someone wins</source>
        <translation>Spielziel: Gewinn von</translation>
    </message>
    <message>
        <source>Enter play-until amount</source>
        <translation>Spielziel übernehmen</translation>
    </message>
    <message>
        <source>AI level</source>
        <translation>KI-Stärke</translation>
    </message>
    <message>
        <source>Amateur</source>
        <translation>Amateur</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Experte</translation>
    </message>
    <message>
        <source>Master</source>
        <translation>Meister</translation>
    </message>
    <message>
        <source>Genius</source>
        <translation>Genie</translation>
    </message>
    <message>
        <source>Betting limits</source>
        <translation>Einsatzlimits</translation>
    </message>
    <message>
        <source>Ante:</source>
        <translation>Ante:</translation>
    </message>
    <message>
        <source>Small bet:</source>
        <translation>Small Bet:</translation>
    </message>
    <message>
        <source>Big bet:</source>
        <translation>Big Bet:</translation>
    </message>
    <message>
        <source>Card Back</source>
        <translation>Kartenrücken</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Ton</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>Sound %1</source>
        <translation>Ton %1</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Closes the options</source>
        <translation>Schließt die Optionen</translation>
    </message>
    <message>
        <source>Ante</source>
        <translation>Ante</translation>
    </message>
    <message>
        <source>Small bet</source>
        <translation>Small Bet</translation>
    </message>
    <message>
        <source>Big bet</source>
        <translation>Big Bet</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Ante %1, small bet %2, big bet %3</source>
        <translation>Ante %1, Small Bet %2, Big Bet %3</translation>
    </message>
    <message>
        <source>$%1</source>
        <extracomment>An amount in dollars on the options panel; the number goes in for %1.</extracomment>
        <translation>%1 $</translation>
    </message>
</context>
<context>
    <name>AboutBox</name>
    <message>
        <source>About Seven Stud</source>
        <translation>Über Seven Stud</translation>
    </message>
    <message>
        <source>About picture</source>
        <translation>Bild im Info-Fenster</translation>
    </message>
    <message>
        <source>A parchment scroll with the betting rules, a glossary and the credits</source>
        <translation>Eine Pergamentrolle mit den Einsatzregeln, einem Glossar und den Mitwirkenden</translation>
    </message>
    <message>
        <source>Seven Stud. Seven-card stud poker. Version 1.0.
Bets are small in the first two rounds and big in the later rounds.
Check: stay in without betting. Fold: give up the hand. Call: match the bet to stay in. Pot: the money bet in the deal.
Game, pictures and sounds by the Seven Stud developers. Built with Qt and libjpeg.</source>
        <translation>Seven Stud. Seven-Card-Stud-Poker. Version 1.0.
In den ersten beiden Runden wird mit dem Small Bet gesetzt, in den späteren Runden mit dem Big Bet.
Checken: im Spiel bleiben, ohne zu setzen. Passen: die Hand aufgeben. Mitgehen: den Einsatz bezahlen, um im Spiel zu bleiben. Pot: das in dieser Hand gesetzte Geld.
Spiel, Bilder und Töne von den Entwicklern von Seven Stud. Erstellt mit Qt und libjpeg.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>unbekannte Option „%1“</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>unerwartetes Argument „%1“</translation>
    </message>
    <message>
        <source>Try &apos;sevenstud --help&apos; for the options the game takes.</source>
        <translation>„sevenstud --help“ zeigt die Optionen des Spiels.</translation>
    </message>
    <message>
        <source>Usage: sevenstud [OPTION]</source>
        <translation>Aufruf: sevenstud [OPTION]</translation>
    </message>
    <message>
        <source>Seven-card stud poker with fixed limits: you against four computer opponents.</source>
        <translation>Seven-Card-Stud-Poker mit festen Limits: du gegen vier Computergegner.</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Optionen:</translation>
    </message>
    <message>
        <source>show this help and exit</source>
        <translation>diese Hilfe anzeigen und beenden</translation>
    </message>
    <message>
        <source>show the version and exit</source>
        <translation>die Version anzeigen und beenden</translation>
    </message>
    <message>
        <source>Without an option the game opens its table window.</source>
        <translation>Ohne Option öffnet das Spiel sein Tischfenster.</translation>
    </message>
    <message>
        <source>Settings file: %1</source>
        <translation>Einstellungsdatei: %1</translation>
    </message>
    <message>
        <source>  (in $XDG_CONFIG_HOME/sevenstud/ when XDG_CONFIG_HOME is set). It keeps each
  seat&apos;s cash as it stood when &quot;Deal&quot; was last pressed, the initial cash, the
  target, the card back, the opponents&apos; level and the sound switch.</source>
        <translation>  (in $XDG_CONFIG_HOME/sevenstud/, wenn XDG_CONFIG_HOME gesetzt ist). Sie enthält
  das Geld jedes Platzes, wie es beim letzten Druck auf „Geben“ stand, das
  Startgeld, das Spielziel, den Kartenrücken, die Stärke der Gegner und den Ton.</translation>
    </message>
    <message>
        <source>See sevenstud(6) for how to play.</source>
        <translation>Wie man spielt, steht in sevenstud(6).</translation>
    </message>
    <message>
        <source>play in this language: de, es, fr, it, or en</source>
        <translation>in dieser Sprache spielen: de, es, fr, it oder en</translation>
    </message>
    <message>
        <source>Without --language it speaks the desktop&apos;s language (LANGUAGE, LC_ALL,
LC_MESSAGES, LANG), and English where it does not know that language.</source>
        <translation>Ohne --language spricht es die Sprache des Desktops (LANGUAGE, LC_ALL,
LC_MESSAGES, LANG) und Englisch, wo es diese Sprache nicht kennt.</translation>
    </message>
    <message>
        <source>option &apos;--language&apos; needs a language code, such as de</source>
        <translation>die Option „--language“ braucht einen Sprachcode, etwa de</translation>
    </message>
    <message>
        <source>the game does not speak &apos;%1&apos; and plays in English; it speaks %2</source>
        <translation>das Spiel spricht kein „%1“ und spielt auf Englisch; es spricht %2</translation>
    </message>
    <message>
        <source>Keys: F1 shows the rules and hand rankings, Ctrl+? every key of the game,
F10 opens the menu, Ctrl+Q quits. The table&apos;s buttons have keys of their own:
  %1.</source>
        <translation>Tasten: F1 zeigt die Regeln und die Rangfolge der Blätter, Strg+? alle Tasten
des Spiels, F10 öffnet das Menü, Strg+Q beendet es. Die Knöpfe des Tisches
haben eigene Tasten:
  %1.</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>Seven Stud</source>
        <translation>Seven Stud</translation>
    </message>
</context>
<context>
    <name>QtServices</name>
    <message>
        <source>Seven Stud</source>
        <translation>Seven Stud</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>ImageSets</name>
    <message>
        <source>The picture set &quot;%1&quot; is missing</source>
        <translation>Der Bildsatz „%1“ fehlt</translation>
    </message>
    <message>
        <source>The picture set &quot;%1&quot; has the wrong size</source>
        <translation>Der Bildsatz „%1“ hat die falsche Größe</translation>
    </message>
</context>
<context>
    <name>AboutPicture</name>
    <message>
        <source>Seven-card stud poker</source>
        <translation>Seven-Card-Stud-Poker</translation>
    </message>
    <message>
        <source>Version 1.0</source>
        <translation>Version 1.0</translation>
    </message>
    <message>
        <source>Bets are small in the first two rounds</source>
        <translation>In den ersten beiden Runden: Small Bet,</translation>
    </message>
    <message>
        <source>and big in the later rounds.</source>
        <translation>in den späteren Runden: Big Bet.</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Checken</translation>
    </message>
    <message>
        <source>stay in without betting</source>
        <translation>im Spiel bleiben, ohne zu setzen</translation>
    </message>
    <message>
        <source>Fold</source>
        <translation>Passen</translation>
    </message>
    <message>
        <source>give up the hand</source>
        <translation>die Hand aufgeben</translation>
    </message>
    <message>
        <source>Call</source>
        <translation>Mitgehen</translation>
    </message>
    <message>
        <source>match the bet to stay in</source>
        <translation>gleich viel setzen, um zu bleiben</translation>
    </message>
    <message>
        <source>Pot</source>
        <translation>Pot</translation>
    </message>
    <message>
        <source>the money bet in the deal</source>
        <translation>das in der Hand gesetzte Geld</translation>
    </message>
    <message>
        <source>Game, pictures and sounds by</source>
        <translation>Spiel, Bilder und Töne von</translation>
    </message>
    <message>
        <source>the Seven Stud developers</source>
        <translation>den Entwicklern von Seven Stud</translation>
    </message>
    <message>
        <source>Built with Qt and libjpeg</source>
        <translation>Erstellt mit Qt und libjpeg</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>Amateur</source>
        <translation>Amateur</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Experte</translation>
    </message>
    <message>
        <source>Master</source>
        <translation>Meister</translation>
    </message>
    <message>
        <source>Genius</source>
        <translation>Genie</translation>
    </message>
    <message>
        <source>%1: opens, the bet stands</source>
        <translation>%1: eröffnet, der Einsatz steht</translation>
    </message>
    <message>
        <source>%1: checks</source>
        <translation>%1: checkt</translation>
    </message>
    <message>
        <source>%1: calls %2</source>
        <translation>%1: geht mit %2</translation>
    </message>
    <message>
        <source>%1: raises %2</source>
        <translation>%1: erhöht %2</translation>
    </message>
    <message>
        <source>%1: folds</source>
        <translation>%1: passt</translation>
    </message>
    <message>
        <source>no cards</source>
        <translation>keine Karten</translation>
    </message>
    <message>
        <source>%1 face down</source>
        <translation>%1 verdeckt</translation>
    </message>
    <message>
        <source>Everybody else folded.</source>
        <translation>Alle anderen haben gepasst.</translation>
    </message>
    <message>
        <source>You folded; the others showed their cards.</source>
        <translation>Du hast gepasst; die anderen zeigten ihre Karten.</translation>
    </message>
    <message>
        <source>Showdown.</source>
        <translation>Showdown.</translation>
    </message>
    <message>
        <source>%1: %2 (%3)</source>
        <translation>%1: %2 (%3)</translation>
    </message>
    <message>
        <source>You win %1.</source>
        <translation>Du gewinnst %1.</translation>
    </message>
    <message>
        <source>%1 wins %2.</source>
        <translation>%1 gewinnt %2.</translation>
    </message>
    <message>
        <source>%1 of the split pot goes to nobody.</source>
        <translation>%1 des geteilten Pots bekommt niemand.</translation>
    </message>
    <message>
        <source>%1 reached the target: the match is over.</source>
        <translation>%1 hat das Ziel erreicht: die Partie ist vorbei.</translation>
    </message>
    <message>
        <source>The match is over: you lose.</source>
        <translation>Die Partie ist vorbei: du verlierst.</translation>
    </message>
    <message>
        <source>The match is over: you win.</source>
        <translation>Die Partie ist vorbei: du gewinnst.</translation>
    </message>
    <message>
        <source>The match was given up for a new one.</source>
        <translation>Die Partie wurde für eine neue aufgegeben.</translation>
    </message>
    <message>
        <source>Your result: %1</source>
        <translation>Dein Ergebnis: %1</translation>
    </message>
    <message>
        <source>Street %1</source>
        <translation>Street %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Pot: %1</source>
        <translation>Pot: %1</translation>
    </message>
    <message>
        <source>Deal %1, %2</source>
        <translation>Hand %1, %2</translation>
    </message>
    <message>
        <source>Level %1, ante %2, bets %3 and %4</source>
        <translation>Stufe %1, Ante %2, Einsätze %3 und %4</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Cash before the deal: %1</source>
        <translation>Geld vor der Hand: %1</translation>
    </message>
    <message>
        <source>no hand shown</source>
        <translation>kein Blatt gezeigt</translation>
    </message>
    <message>
        <source>Deal %1  %2  %3  %4</source>
        <translation>Hand %1  %2  %3  %4</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>Deals, newest first</source>
        <translation>Hände, die neueste zuerst</translation>
    </message>
    <message>
        <source>The street, move by move</source>
        <translation>Die Street, Zug um Zug</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Anfang</translation>
    </message>
    <message>
        <source>&amp;Previous street</source>
        <translation>&amp;Vorige Street</translation>
    </message>
    <message>
        <source>&amp;Next street</source>
        <translation>&amp;Nächste Street</translation>
    </message>
    <message>
        <source>&amp;End</source>
        <translation>&amp;Ende</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>S&amp;tatistics</source>
        <translation>S&amp;tatistik</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Deals kept: %1</source>
        <translation>Gespeicherte Hände: %1</translation>
    </message>
    <message>
        <source>Deal %1: street %2 of %3, pot %4</source>
        <translation>Hand %1: Street %2 von %3, Pot %4</translation>
    </message>
    <message>
        <source>Deal %1: the end, pot %2</source>
        <translation>Hand %1: das Ende, Pot %2</translation>
    </message>
    <message>
        <source>No deal recorded yet.</source>
        <translation>Noch keine Hand aufgezeichnet.</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Zurücksetzen</translation>
    </message>
    <message>
        <source>Matches at %1: %2 played, %3 won, %4 lost, %5 given up</source>
        <translation>Partien als %1: %2 gespielt, %3 gewonnen, %4 verloren, %5 aufgegeben</translation>
    </message>
    <message>
        <source>No match recorded yet.</source>
        <translation>Noch keine Partie aufgezeichnet.</translation>
    </message>
    <message>
        <source>Deals played: %1</source>
        <translation>Gespielte Hände: %1</translation>
    </message>
    <message>
        <source>Deals won: %1 (at a showdown %2, when all others folded %3)</source>
        <translation>Gewonnene Hände: %1 (im Showdown %2, weil alle anderen passten %3)</translation>
    </message>
    <message>
        <source>Folded on the first street: %1 (%2 %)</source>
        <translation>In der ersten Street gepasst: %1 (%2 %)</translation>
    </message>
    <message>
        <source>Biggest pot won: %1</source>
        <translation>Größter gewonnener Pot: %1</translation>
    </message>
    <message>
        <source>Best hand: %1 (%2)</source>
        <translation>Bestes Blatt: %1 (%2)</translation>
    </message>
    <message>
        <source>Best hand: none shown yet</source>
        <translation>Bestes Blatt: noch keins gezeigt</translation>
    </message>
    <message>
        <source>Net result over all deals: %1</source>
        <translation>Gesamtergebnis aller Hände: %1</translation>
    </message>
    <message>
        <source>Longest run of deals won: %1</source>
        <translation>Längste Siegesserie: %1</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Clear the whole history and every statistic?</source>
        <translation>Den ganzen Verlauf und alle Statistiken löschen?</translation>
    </message>
    <message>
        <source>The game history was damaged. It has been kept as "%1" and a new history begun.</source>
        <translation>Der Spielverlauf war beschädigt. Er wurde als „%1“ aufbewahrt und ein neuer Verlauf begonnen.</translation>
    </message>
    <message>
        <source>The game history was written by a newer version of the game. It is left as it is, and deals are not recorded.</source>
        <translation>Der Spielverlauf stammt von einer neueren Version des Spiels. Er bleibt unverändert, und Hände werden nicht aufgezeichnet.</translation>
    </message>
    <message>
        <source>The game history cannot be written. Deals are not recorded.</source>
        <translation>Der Spielverlauf kann nicht geschrieben werden. Hände werden nicht aufgezeichnet.</translation>
    </message>
    <message>
        <source>No game history can be kept in "%1". Deals are not recorded.</source>
        <translation>In „%1“ kann kein Spielverlauf gespeichert werden. Hände werden nicht aufgezeichnet.</translation>
    </message>
    <message>
        <source>The disk is full: a deal could not be added to the game history.</source>
        <translation>Der Datenträger ist voll: eine Hand konnte nicht in den Spielverlauf aufgenommen werden.</translation>
    </message>
</context>
<context>
    <name>ViewControl</name>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Ver&amp;größern</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Ver&amp;kleinern</translation>
    </message>
    <message>
        <source>&amp;Normal Size</source>
        <translation>&amp;Normale Größe</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>&amp;Vollbild</translation>
    </message>
    <message>
        <source>Leave Full Screen</source>
        <translation>Vollbild verlassen</translation>
    </message>
    <message>
        <source>F&amp;our-Colour Deck</source>
        <translation>Vier&amp;farbiges Blatt</translation>
    </message>
</context>
<context>
    <name>GameMenu</name>
    <message>
        <source>Menu</source>
        <translation>Menü</translation>
    </message>
    <message>
        <source>Rules and hand rankings</source>
        <translation>Regeln und Rangfolge der Blätter</translation>
    </message>
    <message>
        <source>Keyboard shortcuts</source>
        <translation>Tastenkürzel</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
</context>
<context>
    <name>Rules</name>
    <message>
        <source>Straight flush</source>
        <translation>Straight Flush</translation>
    </message>
    <message>
        <source>Four of a kind</source>
        <translation>Vierling</translation>
    </message>
    <message>
        <source>Full house</source>
        <translation>Full House</translation>
    </message>
    <message>
        <source>Flush</source>
        <translation>Flush</translation>
    </message>
    <message>
        <source>Straight</source>
        <translation>Straße</translation>
    </message>
    <message>
        <source>Three of a kind</source>
        <translation>Drilling</translation>
    </message>
    <message>
        <source>Two pairs</source>
        <translation>Zwei Paare</translation>
    </message>
    <message>
        <source>One pair</source>
        <translation>Ein Paar</translation>
    </message>
    <message>
        <source>High card</source>
        <translation>Höchste Karte</translation>
    </message>
    <message>
        <source>Rules and hand rankings</source>
        <translation>Regeln und Blattwertung</translation>
    </message>
    <message>
        <source>you</source>
        <translation>du</translation>
    </message>
    <message>
        <source>How Seven Stud is played</source>
        <translation>So wird Seven Stud gespielt</translation>
    </message>
    <message>
        <source>Seven Stud is seven-card stud poker with fixed limits. You play against %1 computer opponents, %2, and every player has cash of their own. A match goes on deal after deal. In each deal every player gets %3 cards, some face down and some face up, and bets on them street by street; the best hand, or the last player left in, takes the pot.</source>
        <translation>Seven Stud ist Seven Card Stud Poker mit festen Limits. Du spielst gegen %1 Computergegner, %2, und jeder Spieler hat sein eigenes Geld. Eine Partie geht Hand um Hand weiter. In jeder Hand bekommt jeder Spieler %3 Karten, einige verdeckt und einige offen, und setzt Street für Street auf sie; das beste Blatt oder der letzte Spieler, der noch dabei ist, gewinnt den Pot.</translation>
    </message>
    <message>
        <source>The ante</source>
        <translation>Die Ante</translation>
    </message>
    <message>
        <source>At the start of every deal each player who still has cash puts the ante, now %1, into the pot. The pot holds only this deal's antes and bets: nothing is carried over from the deal before. A player with no more cash than the ante pays it all the same and is left with zero or less: an opponent so left makes no moves in that deal, and nobody so left can win it. A player with no cash left sits the deal out: no ante, no cards, no moves.</source>
        <translation>Zu Beginn jeder Hand zahlt jeder Spieler, der noch Geld hat, die Ante, zurzeit %1, in den Pot. Der Pot enthält nur die Antes und Einsätze dieser Hand: Aus der Hand davor wird nichts übertragen. Wer nicht mehr Geld hat als die Ante, zahlt sie trotzdem und hat dann null oder weniger: Ein Gegner macht dann in dieser Hand keine Züge, und wer so dasteht, kann die Hand nicht gewinnen. Wer kein Geld mehr hat, setzt die Hand aus: keine Ante, keine Karten, keine Züge.</translation>
    </message>
    <message>
        <source>The cards and the streets</source>
        <translation>Die Karten und die Streets</translation>
    </message>
    <message>
        <source>All %1 cards of every player are dealt from one shuffled deck when the deal starts, but they come into play one street at a time. There are %2 betting streets:</source>
        <translation>Alle %1 Karten jedes Spielers werden zu Beginn der Hand aus einem gemischten Stapel gegeben, kommen aber Street für Street ins Spiel. Es gibt %2 Setzrunden (Streets):</translation>
    </message>
    <message>
        <source>Street %1: %2 cards, %3 face down and %4 face up</source>
        <translation>Street %1: %2 Karten, %3 verdeckt und %4 offen</translation>
    </message>
    <message>
        <source>You see all your own cards. Of the opponents' cards you see only those face up; their face-down cards are shown at the showdown.</source>
        <translation>Du siehst alle deine eigenen Karten. Von den Karten der Gegner siehst du nur die offenen; ihre verdeckten Karten werden beim Showdown aufgedeckt.</translation>
    </message>
    <message>
        <source>Bets and raises</source>
        <translation>Einsätze und Erhöhungen</translation>
    </message>
    <message>
        <source>Every bet and every raise is exactly one unit, the small bet or the big bet, never more. The limits now are: ante %1, small bet %2, big bet %3. They are the betting limits of the options panel, from an ante of %4 up to %5; the small bet is always %6 antes and the big bet %7. A new ante is taken from the next deal on; new bets count from the next bet.</source>
        <translation>Jeder Einsatz und jede Erhöhung ist genau eine Einheit, die Small Bet oder die Big Bet, nie mehr. Die Limits sind zurzeit: Ante %1, Small Bet %2, Big Bet %3. Es sind die Setzlimits der Optionen, von einer Ante von %4 bis %5; die Small Bet ist immer %6 Antes, die Big Bet %7. Eine neue Ante gilt ab der nächsten Hand, neue Einsätze ab dem nächsten Einsatz.</translation>
    </message>
    <message>
        <source>Your bet or raise is the small bet on streets %1 to %2 and the big bet on street %3.</source>
        <translation>Dein Einsatz oder deine Erhöhung ist auf den Streets %1 bis %2 die Small Bet und auf Street %3 die Big Bet.</translation>
    </message>
    <message>
        <source>An opponent's raise is the small bet on streets %1 to %2 and the big bet on streets %3 to %4. The opponents never raise on street %5.</source>
        <translation>Die Erhöhung eines Gegners ist auf den Streets %1 bis %2 die Small Bet und auf den Streets %3 bis %4 die Big Bet. Auf Street %5 erhöhen die Gegner nie.</translation>
    </message>
    <message>
        <source>A call pays the bet that stands, one unit: nobody ever pays several raises at once.</source>
        <translation>Mitgehen zahlt den Einsatz, der steht, eine Einheit: Niemand zahlt je mehrere Erhöhungen auf einmal.</translation>
    </message>
    <message>
        <source>You can bet or raise only while you hold at least %1. A call is never refused: it may take your cash to zero or below.</source>
        <translation>Setzen oder erhöhen kannst du nur, solange du mindestens %1 hast. Mitgehen wird nie verweigert: Es kann dein Geld auf null oder darunter bringen.</translation>
    </message>
    <message>
        <source>No rule caps the number of raises on a street: each opponent may raise in each of its turns, and you in each of your moves while no opponent's raise stands. How each raise is answered is told below.</source>
        <translation>Keine Regel begrenzt die Zahl der Erhöhungen auf einer Street: Jeder Gegner darf in jedem seiner Züge erhöhen, du in jedem deiner Züge, solange keine Erhöhung eines Gegners steht. Wie jede Erhöhung beantwortet wird, steht weiter unten.</translation>
    </message>
    <message>
        <source>Who opens</source>
        <translation>Wer eröffnet</translation>
    </message>
    <message>
        <source>Each deal has an opener, the player with whom every street begins. Play goes round the table in the order %1, and the opener moves one seat on in that order with every deal. The first deal after the game starts is opened by %2, the next one by you, then by %3, and so on.</source>
        <translation>Jede Hand hat einen Eröffner: den Spieler, mit dem jede Street beginnt. Gespielt wird reihum in der Reihenfolge %1, und der Eröffner rückt mit jeder Hand in dieser Reihenfolge einen Platz weiter. Die erste Hand nach dem Start des Spiels eröffnet %2, die nächste du, dann %3 und so weiter.</translation>
    </message>
    <message>
        <source>An opponent who opens bets one small bet. The opponents after it answer that bet and take their turns, and then it is your move. The opener pays its opening bet only when you call or raise: then it answers it like the others, by calling or folding. If you fold at once, it never pays it. When you open, no bet stands, yet every opponent first answers one small bet, paying it or folding, and takes its turn; only then is it your move, and while no opponent has raised, %1 only checks.</source>
        <translation>Eröffnet ein Gegner, setzt er eine Small Bet. Die Gegner nach ihm beantworten diesen Einsatz und sind an der Reihe, dann bist du am Zug. Der Eröffner zahlt seinen Eröffnungseinsatz erst, wenn du mitgehst oder erhöhst: Dann beantwortet er ihn wie die anderen, indem er mitgeht oder passt. Passt du sofort, zahlt er ihn nie. Eröffnest du, steht kein Einsatz, und doch beantwortet zuerst jeder Gegner eine Small Bet, zahlt sie oder passt, und ist an der Reihe; erst dann bist du am Zug, und solange kein Gegner erhöht hat, checkt %1 nur.</translation>
    </message>
    <message>
        <source>The first deal of a new match is opened by %1 without an opening bet: you move first and may check. After it the openers go on where they stood.</source>
        <translation>Die erste Hand einer neuen Partie eröffnet %1 ohne Eröffnungseinsatz: Du ziehst zuerst und darfst checken. Danach geht die Reihe der Eröffner weiter, wo sie stand.</translation>
    </message>
    <message>
        <source>When the opener folds, the next opponent after it who is still in the deal becomes the opener, or you, when none is left.</source>
        <translation>Passt der Eröffner, wird der nächste Gegner nach ihm, der noch in der Hand ist, zum Eröffner, oder du, wenn keiner mehr übrig ist.</translation>
    </message>
    <message>
        <source>Your moves</source>
        <translation>Deine Züge</translation>
    </message>
    <message>
        <source>%1, when no bet stands: you put nothing in, and the opponents take their turns, each checking or raising.</source>
        <translation>%1, wenn kein Einsatz steht: Du zahlst nichts, und die Gegner sind an der Reihe, jeder checkt oder erhöht.</translation>
    </message>
    <message>
        <source>%1, when a bet stands: you pay it. The opponents before the one who bet answer it too, and those after it take their turns.</source>
        <translation>%1, wenn ein Einsatz steht: Du zahlst ihn. Die Gegner vor dem, der gesetzt hat, beantworten ihn auch, und die nach ihm sind an der Reihe.</translation>
    </message>
    <message>
        <source>%1 (the button reads %2 after %3, until your first raise): you put in one unit. From the second street on every opponent still in answers it; on the first street only the opponents up to the one whose bet stands answer it, and nobody when no bet stands. Then the opponents take their turns. While an opponent's raise stands you cannot raise; you can only call or fold. On the first street you may also raise the opening bet.</source>
        <translation>%1 (nach %3 heißt die Taste %2, bis zu deiner ersten Erhöhung): Du zahlst eine Einheit ein. Ab der zweiten Street beantwortet sie jeder Gegner, der noch dabei ist; auf der ersten Street nur die Gegner bis zu dem, dessen Einsatz steht, und niemand, wenn kein Einsatz steht. Dann sind die Gegner an der Reihe. Solange die Erhöhung eines Gegners steht, kannst du nicht erhöhen, nur mitgehen oder passen. Auf der ersten Street darfst du auch den Eröffnungseinsatz erhöhen.</translation>
    </message>
    <message>
        <source>%1: you give up the deal, and what you have put in stays in the pot. The showdown follows at once.</source>
        <translation>%1: Du gibst die Hand auf, und was du eingezahlt hast, bleibt im Pot. Der Showdown folgt sofort.</translation>
    </message>
    <message>
        <source>The opponents answer a bet by calling or folding, and in their own turn they check or raise. When an opponent raises, the opponents after it answer at once, and then it is your move: call or fold. An opponent that cannot pay a bet in full folds. An opponent decides by chance, weighed by how strong it believes its hand to be; it looks only at its own cards.</source>
        <translation>Die Gegner beantworten einen Einsatz, indem sie mitgehen oder passen, und wenn sie selbst an der Reihe sind, checken oder erhöhen sie. Erhöht ein Gegner, beantworten die Gegner nach ihm sofort, und dann bist du am Zug: mitgehen oder passen. Ein Gegner, der einen Einsatz nicht voll zahlen kann, passt. Ein Gegner entscheidet nach Zufall, gewichtet danach, wie stark er sein Blatt glaubt; er sieht nur seine eigenen Karten an.</translation>
    </message>
    <message>
        <source>The end of a street</source>
        <translation>Das Ende einer Street</translation>
    </message>
    <message>
        <source>A street ends when the turn comes round to the opener again: every player still in then gets the next card. On the first street your %1 or %2 also ends the street at once, wherever the opener sits.</source>
        <translation>Eine Street endet, wenn die Reihe wieder beim Eröffner ankommt: Jeder Spieler, der noch dabei ist, bekommt dann die nächste Karte. Auf der ersten Street beendet dein %1 oder %2 die Street außerdem sofort, wo der Eröffner auch sitzt.</translation>
    </message>
    <message>
        <source>The end of a deal</source>
        <translation>Das Ende einer Hand</translation>
    </message>
    <message>
        <source>When every opponent has folded, you take the whole pot at once and nobody shows cards.</source>
        <translation>Haben alle Gegner gepasst, gewinnst du sofort den ganzen Pot, und niemand zeigt Karten.</translation>
    </message>
    <message>
        <source>After the betting on street %1 comes the showdown: every player still in shows all %2 cards, and the best hand takes the pot.</source>
        <translation>Nach der Setzrunde auf Street %1 kommt der Showdown: Jeder Spieler, der noch dabei ist, zeigt alle %2 Karten, und das beste Blatt gewinnt den Pot.</translation>
    </message>
    <message>
        <source>When you fold, the deal is not played on: the showdown comes at once among the opponents still in, on all %1 of their cards, even those of streets that were never played.</source>
        <translation>Passt du, wird die Hand nicht weitergespielt: Der Showdown kommt sofort unter den Gegnern, die noch dabei sind, mit allen %1 ihrer Karten, auch denen der Streets, die nie gespielt wurden.</translation>
    </message>
    <message>
        <source>A player whose cash has run out during the deal (zero or below) cannot win it, even with the best hand. When nobody is left who can win the pot, %1 takes it all the same.</source>
        <translation>Ein Spieler, dessen Geld während der Hand ausgegangen ist (null oder darunter), kann sie nicht gewinnen, auch nicht mit dem besten Blatt. Ist niemand mehr da, der den Pot gewinnen kann, bekommt ihn %1 trotzdem.</translation>
    </message>
    <message>
        <source>The pot</source>
        <translation>Der Pot</translation>
    </message>
    <message>
        <source>The best hand takes the whole pot. Hands that come out exactly equal by the hand rankings below share it: each gets the pot divided by the number of winners, in whole chips. What is left over, the odd chips, goes to nobody and leaves the game. Then %1 starts the next deal.</source>
        <translation>Das beste Blatt gewinnt den ganzen Pot. Blätter, die nach der Blattwertung unten genau gleich sind, teilen ihn (Split Pot): Jeder bekommt den Pot geteilt durch die Zahl der Gewinner, in ganzen Chips. Was übrig bleibt, die ungeraden Chips, bekommt niemand; sie verlassen das Spiel. Dann beginnt %1 die nächste Hand.</translation>
    </message>
    <message>
        <source>The end of a match</source>
        <translation>Das Ende einer Partie</translation>
    </message>
    <message>
        <source>The match ends when:</source>
        <translation>Die Partie endet, wenn:</translation>
    </message>
    <message>
        <source>you have no cash left (zero or below) when you press %1: you lose;</source>
        <translation>du kein Geld mehr hast (null oder darunter), wenn du %1 drückst: Du verlierst;</translation>
    </message>
    <message>
        <source>no opponent has cash left when you press %1: you win;</source>
        <translation>kein Gegner mehr Geld hat, wenn du %1 drückst: Du gewinnst;</translation>
    </message>
    <message>
        <source>after a showdown a player holds %1 or more, the initial cash of %2 plus the %3 of “%4” in the options panel: that player wins the match.</source>
        <translation>nach einem Showdown ein Spieler %1 oder mehr hat, das Startgeld von %2 plus die %3 von „%4“ in den Optionen: Dieser Spieler gewinnt die Partie.</translation>
    </message>
    <message>
        <source>Then only %1 goes on. It asks first; then every player gets the amount in the options panel's “%2” box, the ante is taken, and a new deal starts with no bet standing. %1 starts a new match at any time in the same way.</source>
        <translation>Dann geht es nur mit %1 weiter. Es fragt zuerst; dann bekommt jeder Spieler den Betrag aus dem Feld „%2“ der Optionen, die Ante wird genommen, und eine neue Hand beginnt, ohne dass ein Einsatz steht. %1 beginnt jederzeit auf dieselbe Weise eine neue Partie.</translation>
    </message>
    <message>
        <source>The four levels</source>
        <translation>Die vier Stufen</translation>
    </message>
    <message>
        <source>The level in the options panel (%1, %2, %3 or %4) sets how well the opponents judge their own hands. Before each decision an opponent plays its hand out against random hands, again and again: %5, %6, %7 or %8 times. The higher the level, the more trials, the less it is misled by chance, and the closer it plays to what its cards are worth. The level changes nothing else.</source>
        <translation>Die Stufe in den Optionen (%1, %2, %3 oder %4) bestimmt, wie gut die Gegner ihr eigenes Blatt einschätzen. Vor jeder Entscheidung spielt ein Gegner sein Blatt immer wieder gegen zufällige Blätter durch: %5, %6, %7 oder %8 Mal. Je höher die Stufe, desto mehr Versuche, desto weniger täuscht ihn der Zufall und desto näher spielt er an dem, was seine Karten wert sind. Sonst ändert die Stufe nichts.</translation>
    </message>
    <message>
        <source>What is kept between runs</source>
        <translation>Was zwischen zwei Starts bleibt</translation>
    </message>
    <message>
        <source>The game keeps in its settings file, %1: every player's cash as it stood when %2 was last pressed, the initial cash and the play-until amount as last confirmed with their buttons, the level, the card back and the sound switch. The betting limits are not kept: every run starts with an ante of %3, a small bet of %4 and a big bet of %5. A deal not finished when the game is closed is lost: the next run deals afresh from the cash before it.</source>
        <translation>Das Spiel bewahrt in seiner Einstellungsdatei %1: das Geld jedes Spielers, wie es stand, als zuletzt %2 gedrückt wurde, das Startgeld und das Spielziel, wie zuletzt mit ihren Tasten bestätigt, die Stufe, die Kartenrückseite und den Tonschalter. Die Setzlimits bleiben nicht: Jeder Start beginnt mit einer Ante von %3, einer Small Bet von %4 und einer Big Bet von %5. Eine Hand, die beim Schließen des Spiels nicht fertig ist, geht verloren: Der nächste Start gibt neu, mit dem Geld von vor ihr.</translation>
    </message>
    <message>
        <source>Hand rankings</source>
        <translation>Blattwertung</translation>
    </message>
    <message>
        <source>At the showdown every hand is judged on all %1 of its cards. These are the kinds of hands, the best first; a hand of a higher kind beats every hand of a lower kind. Cards rank from the Two, the lowest, to the Ace, the highest.</source>
        <translation>Beim Showdown wird jedes Blatt nach allen %1 seiner Karten gewertet. Das sind die Arten von Blättern, das beste zuerst; ein Blatt einer höheren Art schlägt jedes Blatt einer niedrigeren. Die Karten zählen von der Zwei, der niedrigsten, bis zum Ass, der höchsten.</translation>
    </message>
    <message>
        <source>Two hands of the same kind are told apart by this game's own rules. In places they differ from the rules you may know from elsewhere; each place is named below.</source>
        <translation>Zwei Blätter derselben Art unterscheidet dieses Spiel nach eigenen Regeln. An einigen Stellen weichen sie von den Regeln ab, die du vielleicht von anderswo kennst; jede Stelle ist unten genannt.</translation>
    </message>
    <message>
        <source>a Two counts %1, a Three %2, and so on up to the Ace, %3</source>
        <translation>eine Zwei zählt %1, eine Drei %2 und so weiter bis zum Ass, %3</translation>
    </message>
    <message>
        <source>So these two hands are equal and share the pot:</source>
        <translation>Diese beiden Blätter sind also gleich und teilen den Pot:</translation>
    </message>
    <message>
        <source>So the first of these two hands beats the second:</source>
        <translation>Das erste dieser beiden Blätter schlägt also das zweite:</translation>
    </message>
    <message>
        <source>Example: %1. The table shows it as “%2”.</source>
        <translation>Beispiel: %1. Der Tisch nennt es „%2“.</translation>
    </message>
    <message>
        <source>Five cards of one suit in a row. All straight flushes are equal, whatever their highest card: two of them share the pot.</source>
        <translation>Fünf Karten einer Farbe in Folge. Alle Straight Flushes sind gleich, was auch ihre höchste Karte ist: Zwei von ihnen teilen den Pot.</translation>
    </message>
    <message>
        <source>Unlike elsewhere, the game looks for a straight flush in one place only: it takes the lowest rank of the hand whose next rank is held too, in any suit, and the first card of that rank dealt, and the straight flush must run upwards from that very card. A straight flush anywhere else counts only as a flush, and so does Ace, Two, Three, Four, Five of one suit. For example, %1 is a flush: the table shows “%2”.</source>
        <translation>Anders als anderswo sucht das Spiel einen Straight Flush nur an einer Stelle: Es nimmt den niedrigsten Rang des Blatts, dessen nächsthöherer Rang auch vorhanden ist, in beliebiger Farbe, und die erste gegebene Karte dieses Rangs, und der Straight Flush muss von genau dieser Karte aufwärts laufen. Ein Straight Flush an anderer Stelle zählt nur als Flush, ebenso Ass, Zwei, Drei, Vier, Fünf einer Farbe. Zum Beispiel ist %1 ein Flush: Der Tisch zeigt „%2“.</translation>
    </message>
    <message>
        <source>Four cards of one rank. The higher four wins.</source>
        <translation>Vier Karten eines Rangs. Der höhere Vierling gewinnt.</translation>
    </message>
    <message>
        <source>Three cards of one rank and two of another. The higher three wins.</source>
        <translation>Drei Karten eines Rangs und zwei eines anderen. Der höhere Drilling gewinnt.</translation>
    </message>
    <message>
        <source>Five cards of one suit. Unlike elsewhere, only the highest card of the suit counts: two flushes with the same highest card are equal and share the pot, whatever their other cards.</source>
        <translation>Fünf Karten einer Farbe. Anders als anderswo zählt nur die höchste Karte der Farbe: Zwei Flushes mit derselben höchsten Karte sind gleich und teilen den Pot, was auch ihre anderen Karten sind.</translation>
    </message>
    <message>
        <source>Five cards of ranks in a row, in any suits. The higher top card wins; straights with the same top card share the pot. The Ace counts high, and low only in the lowest straight, Ace, Two, Three, Four, Five, which the table shows as “%1”.</source>
        <translation>Fünf Karten mit Rängen in Folge, in beliebigen Farben. Die höhere oberste Karte gewinnt; Straßen mit derselben obersten Karte teilen den Pot. Das Ass zählt hoch und nur in der niedrigsten Straße, Ass, Zwei, Drei, Vier, Fünf, niedrig; der Tisch zeigt sie als „%1“.</translation>
    </message>
    <message>
        <source>Three cards of one rank. The higher three wins.</source>
        <translation>Drei Karten eines Rangs. Der höhere Drilling gewinnt.</translation>
    </message>
    <message>
        <source>Two pairs of different ranks. The higher top pair wins. With the same top pair, the game takes the value of the lower pair %1 times and adds the value of the best other card (%2); the higher sum wins, and equal sums share the pot. Unlike elsewhere, the lower pair does not always decide.</source>
        <translation>Zwei Paare verschiedener Ränge. Das höhere obere Paar gewinnt. Bei gleichem oberem Paar nimmt das Spiel den Wert des unteren Paars %1-mal und zählt den Wert der besten anderen Karte dazu (%2); die höhere Summe gewinnt, gleiche Summen teilen den Pot. Anders als anderswo entscheidet nicht immer das untere Paar.</translation>
    </message>
    <message>
        <source>Two cards of one rank. The higher pair wins. With the same pair, the game adds up the values of the three best other cards (%1), the best counted %2 times, the second %3 times and the third once; the higher sum wins, and equal sums share the pot. Unlike elsewhere, the best other card does not always decide.</source>
        <translation>Zwei Karten eines Rangs. Das höhere Paar gewinnt. Bei gleichem Paar zählt das Spiel die Werte der drei besten anderen Karten zusammen (%1), die beste %2-mal, die zweite %3-mal und die dritte einmal; die höhere Summe gewinnt, gleiche Summen teilen den Pot. Anders als anderswo entscheidet nicht immer die beste andere Karte.</translation>
    </message>
    <message>
        <source>None of the above. The highest card wins. With the same highest card, the game takes the value of the next card %1 times and adds the value of the third (%2); the higher sum wins. Unlike elsewhere, only these three cards count: hands alike in them share the pot, whatever their other cards.</source>
        <translation>Nichts von alledem. Die höchste Karte gewinnt. Bei gleicher höchster Karte nimmt das Spiel den Wert der nächsten Karte %1-mal und zählt den Wert der dritten dazu (%2); die höhere Summe gewinnt. Anders als anderswo zählen nur diese drei Karten: Blätter, die in ihnen gleich sind, teilen den Pot, was auch ihre anderen Karten sind.</translation>
    </message>
</context>
<context>
    <name>MoveKeys</name>
    <message>
        <source>C</source>
        <extracomment>The key for the Call/Check button, a letter of its caption, unlike the others</extracomment>
        <translation>M</translation>
    </message>
    <message>
        <source>R</source>
        <extracomment>The key for the Raise/Bet button, a letter of its caption, unlike the others</extracomment>
        <translation>E</translation>
    </message>
    <message>
        <source>F</source>
        <extracomment>The key for the Fold button, a letter of its caption, unlike the others</extracomment>
        <translation>P</translation>
    </message>
    <message>
        <source>D</source>
        <extracomment>The key for the Deal button, a letter of its caption, unlike the others</extracomment>
        <translation>G</translation>
    </message>
    <message>
        <source>N</source>
        <extracomment>The key for the New Game button, a letter of its caption, unlike the others</extracomment>
        <translation>N</translation>
    </message>
    <message>
        <source>O</source>
        <extracomment>The key for the Options button, a letter of its caption, unlike the others</extracomment>
        <translation>O</translation>
    </message>
</context>
<context>
    <name>ShortcutsWindow</name>
    <message>
        <source>Keyboard shortcuts</source>
        <translation>Tastenkürzel</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Spielzüge</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tisch</translation>
    </message>
    <message>
        <source>Next or previous button</source>
        <translation>Nächster oder vorheriger Knopf</translation>
    </message>
    <message>
        <source>Press the button that has the focus</source>
        <translation>Den Knopf mit dem Fokus drücken</translation>
    </message>
    <message>
        <source>Close the options panel</source>
        <translation>Die Optionen schließen</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menü</translation>
    </message>
    <message>
        <source>Open the menu</source>
        <translation>Das Menü öffnen</translation>
    </message>
    <message>
        <source>Close this window</source>
        <translation>Dieses Fenster schließen</translation>
    </message>
</context>
</TS>
