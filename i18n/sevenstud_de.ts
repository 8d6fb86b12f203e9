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
