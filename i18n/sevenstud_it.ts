<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="en">
<context>
    <name>Game</name>
    <message>
        <source>Raise</source>
        <translation>Rilancia</translation>
    </message>
    <message>
        <source>Bet</source>
        <translation>Punta</translation>
    </message>
    <message>
        <source>Call</source>
        <translation>Vedi</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Check</translation>
    </message>
    <message>
        <source>Fold</source>
        <translation>Lascia</translation>
    </message>
    <message>
        <source>Deal</source>
        <translation>Dai le carte</translation>
    </message>
    <message>
        <source>Calls</source>
        <translation>Vede</translation>
    </message>
    <message>
        <source>Checks</source>
        <translation>Fa check</translation>
    </message>
    <message>
        <source>Raises</source>
        <translation>Rilancia</translation>
    </message>
    <message>
        <source>Folds</source>
        <translation>Lascia</translation>
    </message>
    <message>
        <source>you fold</source>
        <translation>Lasci</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Attivo</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Disattivo</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <translation>Sei sicuro?</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Nuova partita</translation>
    </message>
    <message>
        <source>Game over</source>
        <translation>Partita finita</translation>
    </message>
    <message>
        <source>You win!</source>
        <translation>Hai vinto!</translation>
    </message>
    <message>
        <source>You lose!</source>
        <translation>Hai perso!</translation>
    </message>
    <message>
        <source>Freak wins</source>
        <translation>Peter ha vinto</translation>
    </message>
    <message>
        <source>Geek wins</source>
        <translation>Anna ha vinto</translation>
    </message>
    <message>
        <source>Master wins</source>
        <translation>George ha vinto</translation>
    </message>
    <message>
        <source>Champ wins</source>
        <translation>Maria ha vinto</translation>
    </message>
    <message>
        <source>Invalid value</source>
        <translation>Valore non valido</translation>
    </message>
    <message>
        <source>the value is off limits</source>
        <translation>Il valore è fuori dai limiti.</translation>
    </message>
    <message>
        <source>New initial cash value confirmation</source>
        <translation>Capitale iniziale applicato</translation>
    </message>
    <message>
        <source>New until value confirmation</source>
        <translation>Obiettivo di vincita applicato</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>Impossibile scrivere in %1</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>«%1» non è un numero intero valido</translation>
    </message>
    <message>
        <source>One pair Twos</source>
        <translation>Coppia di due</translation>
    </message>
    <message>
        <source>One pair Threes</source>
        <translation>Coppia di tre</translation>
    </message>
    <message>
        <source>One pair Fours</source>
        <translation>Coppia di quattro</translation>
    </message>
    <message>
        <source>One pair Fives</source>
        <translation>Coppia di cinque</translation>
    </message>
    <message>
        <source>One pair Sixes</source>
        <translation>Coppia di sei</translation>
    </message>
    <message>
        <source>One pair Sevens</source>
        <translation>Coppia di sette</translation>
    </message>
    <message>
        <source>One pair Eights</source>
        <translation>Coppia di otto</translation>
    </message>
    <message>
        <source>One pair Nines</source>
        <translation>Coppia di nove</translation>
    </message>
    <message>
        <source>One pair Tens</source>
        <translation>Coppia di dieci</translation>
    </message>
    <message>
        <source>One pair Jacks</source>
        <translation>Coppia di jack</translation>
    </message>
    <message>
        <source>One pair Queens</source>
        <translation>Coppia di donne</translation>
    </message>
    <message>
        <source>One pair Kings</source>
        <translation>Coppia di re</translation>
    </message>
    <message>
        <source>One pair Aces</source>
        <translation>Coppia d&apos;assi</translation>
    </message>
    <message>
        <source>Two pairs Threes</source>
        <translation>Doppia coppia di tre</translation>
    </message>
    <message>
        <source>Two pairs Fours</source>
        <translation>Doppia coppia di quattro</translation>
    </message>
    <message>
        <source>Two pairs Fives</source>
        <translation>Doppia coppia di cinque</translation>
    </message>
    <message>
        <source>Two pairs Sixes</source>
        <translation>Doppia coppia di sei</translation>
    </message>
    <message>
        <source>Two pairs Sevens</source>
        <translation>Doppia coppia di sette</translation>
    </message>
    <message>
        <source>Two pairs Eights</source>
        <translation>Doppia coppia di otto</translation>
    </message>
    <message>
        <source>Two pairs Nines</source>
        <translation>Doppia coppia di nove</translation>
    </message>
    <message>
        <source>Two pairs Tens</source>
        <translation>Doppia coppia di dieci</translation>
    </message>
    <message>
        <source>Two pairs Jacks</source>
        <translation>Doppia coppia di jack</translation>
    </message>
    <message>
        <source>Two pairs Queens</source>
        <translation>Doppia coppia di donne</translation>
    </message>
    <message>
        <source>Two pairs Kings</source>
        <translation>Doppia coppia di re</translation>
    </message>
    <message>
        <source>Two pairs Aces</source>
        <translation>Doppia coppia d&apos;assi</translation>
    </message>
    <message>
        <source>Three Twos</source>
        <translation>Tris di due</translation>
    </message>
    <message>
        <source>Three Threes</source>
        <translation>Tris di tre</translation>
    </message>
    <message>
        <source>Three Fours</source>
        <translation>Tris di quattro</translation>
    </message>
    <message>
        <source>Three Fives</source>
        <translation>Tris di cinque</translation>
    </message>
    <message>
        <source>Three Sixes</source>
        <translation>Tris di sei</translation>
    </message>
    <message>
        <source>Three Sevens</source>
        <translation>Tris di sette</translation>
    </message>
    <message>
        <source>Three Eights</source>
        <translation>Tris di otto</translation>
    </message>
    <message>
        <source>Three Nines</source>
        <translation>Tris di nove</translation>
    </message>
    <message>
        <source>Three Tens</source>
        <translation>Tris di dieci</translation>
    </message>
    <message>
        <source>Three Jacks</source>
        <translation>Tris di jack</translation>
    </message>
    <message>
        <source>Three Queens</source>
        <translation>Tris di donne</translation>
    </message>
    <message>
        <source>Three Kings</source>
        <translation>Tris di re</translation>
    </message>
    <message>
        <source>Three Aces</source>
        <translation>Tris d&apos;assi</translation>
    </message>
    <message>
        <source>Straight Six High</source>
        <translation>Scala al sei</translation>
    </message>
    <message>
        <source>Straight Seven High</source>
        <translation>Scala al sette</translation>
    </message>
    <message>
        <source>Straight Eight High</source>
        <translation>Scala all&apos;otto</translation>
    </message>
    <message>
        <source>Straight Nine High</source>
        <translation>Scala al nove</translation>
    </message>
    <message>
        <source>Straight Ten High</source>
        <translation>Scala al dieci</translation>
    </message>
    <message>
        <source>Straight Jack High</source>
        <translation>Scala al jack</translation>
    </message>
    <message>
        <source>Straight Queen High</source>
        <translation>Scala alla donna</translation>
    </message>
    <message>
        <source>Straight King High</source>
        <translation>Scala al re</translation>
    </message>
    <message>
        <source>Straight Ace High</source>
        <translation>Scala all&apos;asso</translation>
    </message>
    <message>
        <source>Flush Six High</source>
        <translation>Colore al sei</translation>
    </message>
    <message>
        <source>Flush Seven High</source>
        <translation>Colore al sette</translation>
    </message>
    <message>
        <source>Flush Eight High</source>
        <translation>Colore all&apos;otto</translation>
    </message>
    <message>
        <source>Flush Nine High</source>
        <translation>Colore al nove</translation>
    </message>
    <message>
        <source>Flush Ten High</source>
        <translation>Colore al dieci</translation>
    </message>
    <message>
        <source>Flush Jack High</source>
        <translation>Colore al jack</translation>
    </message>
    <message>
        <source>Flush Queen High</source>
        <translation>Colore alla donna</translation>
    </message>
    <message>
        <source>Flush King High</source>
        <translation>Colore al re</translation>
    </message>
    <message>
        <source>Flush Ace High</source>
        <translation>Colore all&apos;asso</translation>
    </message>
    <message>
        <source>Full house Twos</source>
        <translation>Full di due</translation>
    </message>
    <message>
        <source>Full house Threes</source>
        <translation>Full di tre</translation>
    </message>
    <message>
        <source>Full house Fours</source>
        <translation>Full di quattro</translation>
    </message>
    <message>
        <source>Full house Fives</source>
        <translation>Full di cinque</translation>
    </message>
    <message>
        <source>Full house Sixes</source>
        <translation>Full di sei</translation>
    </message>
    <message>
        <source>Full house Sevens</source>
        <translation>Full di sette</translation>
    </message>
    <message>
        <source>Full house Eights</source>
        <translation>Full di otto</translation>
    </message>
    <message>
        <source>Full house Nines</source>
        <translation>Full di nove</translation>
    </message>
    <message>
        <source>Full house Tens</source>
        <translation>Full di dieci</translation>
    </message>
    <message>
        <source>Full house Jacks</source>
        <translation>Full di jack</translation>
    </message>
    <message>
        <source>Full house Queens</source>
        <translation>Full di donne</translation>
    </message>
    <message>
        <source>Full house Kings</source>
        <translation>Full di re</translation>
    </message>
    <message>
        <source>Full house Aces</source>
        <translation>Full d&apos;assi</translation>
    </message>
    <message>
        <source>Four Twos</source>
        <translation>Poker di due</translation>
    </message>
    <message>
        <source>Four Threes</source>
        <translation>Poker di tre</translation>
    </message>
    <message>
        <source>Four Fours</source>
        <translation>Poker di quattro</translation>
    </message>
    <message>
        <source>Four Fives</source>
        <translation>Poker di cinque</translation>
    </message>
    <message>
        <source>Four Sixes</source>
        <translation>Poker di sei</translation>
    </message>
    <message>
        <source>Four Sevens</source>
        <translation>Poker di sette</translation>
    </message>
    <message>
        <source>Four Eights</source>
        <translation>Poker di otto</translation>
    </message>
    <message>
        <source>Four Nines</source>
        <translation>Poker di nove</translation>
    </message>
    <message>
        <source>Four Tens</source>
        <translation>Poker di dieci</translation>
    </message>
    <message>
        <source>Four Jacks</source>
        <translation>Poker di jack</translation>
    </message>
    <message>
        <source>Four Queens</source>
        <translation>Poker di donne</translation>
    </message>
    <message>
        <source>Four Kings</source>
        <translation>Poker di re</translation>
    </message>
    <message>
        <source>Four Aces</source>
        <translation>Poker d&apos;assi</translation>
    </message>
    <message>
        <source>Four</source>
        <translation>Carta alta quattro</translation>
    </message>
    <message>
        <source>Five</source>
        <translation>Carta alta cinque</translation>
    </message>
    <message>
        <source>Six</source>
        <translation>Carta alta sei</translation>
    </message>
    <message>
        <source>Seven</source>
        <translation>Carta alta sette</translation>
    </message>
    <message>
        <source>Eight</source>
        <translation>Carta alta otto</translation>
    </message>
    <message>
        <source>Nine</source>
        <translation>Carta alta nove</translation>
    </message>
    <message>
        <source>Ten</source>
        <translation>Carta alta dieci</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>Carta alta jack</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>Carta alta donna</translation>
    </message>
    <message>
        <source>King</source>
        <translation>Carta alta re</translation>
    </message>
    <message>
        <source>Ace</source>
        <translation>Carta alta asso</translation>
    </message>
    <message>
        <source>Straight flush</source>
        <translation>Scala colore</translation>
    </message>
    <message>
        <source>Straight Five High</source>
        <translation>Scala al cinque</translation>
    </message>
</context>
<context>
    <name>Cards</name>
    <message>
        <source>Two of clubs</source>
        <translation>Due di fiori</translation>
    </message>
    <message>
        <source>Three of clubs</source>
        <translation>Tre di fiori</translation>
    </message>
    <message>
        <source>Four of clubs</source>
        <translation>Quattro di fiori</translation>
    </message>
    <message>
        <source>Five of clubs</source>
        <translation>Cinque di fiori</translation>
    </message>
    <message>
        <source>Six of clubs</source>
        <translation>Sei di fiori</translation>
    </message>
    <message>
        <source>Seven of clubs</source>
        <translation>Sette di fiori</translation>
    </message>
    <message>
        <source>Eight of clubs</source>
        <translation>Otto di fiori</translation>
    </message>
    <message>
        <source>Nine of clubs</source>
        <translation>Nove di fiori</translation>
    </message>
    <message>
        <source>Ten of clubs</source>
        <translation>Dieci di fiori</translation>
    </message>
    <message>
        <source>Jack of clubs</source>
        <translation>Jack di fiori</translation>
    </message>
    <message>
        <source>Queen of clubs</source>
        <translation>Donna di fiori</translation>
    </message>
    <message>
        <source>King of clubs</source>
        <translation>Re di fiori</translation>
    </message>
    <message>
        <source>Ace of clubs</source>
        <translation>Asso di fiori</translation>
    </message>
    <message>
        <source>Two of diamonds</source>
        <translation>Due di quadri</translation>
    </message>
    <message>
        <source>Three of diamonds</source>
        <translation>Tre di quadri</translation>
    </message>
    <message>
        <source>Four of diamonds</source>
        <translation>Quattro di quadri</translation>
    </message>
    <message>
        <source>Five of diamonds</source>
        <translation>Cinque di quadri</translation>
    </message>
    <message>
        <source>Six of diamonds</source>
        <translation>Sei di quadri</translation>
    </message>
    <message>
        <source>Seven of diamonds</source>
        <translation>Sette di quadri</translation>
    </message>
    <message>
        <source>Eight of diamonds</source>
        <translation>Otto di quadri</translation>
    </message>
    <message>
        <source>Nine of diamonds</source>
        <translation>Nove di quadri</translation>
    </message>
    <message>
        <source>Ten of diamonds</source>
        <translation>Dieci di quadri</translation>
    </message>
    <message>
        <source>Jack of diamonds</source>
        <translation>Jack di quadri</translation>
    </message>
    <message>
        <source>Queen of diamonds</source>
        <translation>Donna di quadri</translation>
    </message>
    <message>
        <source>King of diamonds</source>
        <translation>Re di quadri</translation>
    </message>
    <message>
        <source>Ace of diamonds</source>
        <translation>Asso di quadri</translation>
    </message>
    <message>
        <source>Two of hearts</source>
        <translation>Due di cuori</translation>
    </message>
    <message>
        <source>Three of hearts</source>
        <translation>Tre di cuori</translation>
    </message>
    <message>
        <source>Four of hearts</source>
        <translation>Quattro di cuori</translation>
    </message>
    <message>
        <source>Five of hearts</source>
        <translation>Cinque di cuori</translation>
    </message>
    <message>
        <source>Six of hearts</source>
        <translation>Sei di cuori</translation>
    </message>
    <message>
        <source>Seven of hearts</source>
        <translation>Sette di cuori</translation>
    </message>
    <message>
        <source>Eight of hearts</source>
        <translation>Otto di cuori</translation>
    </message>
    <message>
        <source>Nine of hearts</source>
        <translation>Nove di cuori</translation>
    </message>
    <message>
        <source>Ten of hearts</source>
        <translation>Dieci di cuori</translation>
    </message>
    <message>
        <source>Jack of hearts</source>
        <translation>Jack di cuori</translation>
    </message>
    <message>
        <source>Queen of hearts</source>
        <translation>Donna di cuori</translation>
    </message>
    <message>
        <source>King of hearts</source>
        <translation>Re di cuori</translation>
    </message>
    <message>
        <source>Ace of hearts</source>
        <translation>Asso di cuori</translation>
    </message>
    <message>
        <source>Two of spades</source>
        <translation>Due di picche</translation>
    </message>
    <message>
        <source>Three of spades</source>
        <translation>Tre di picche</translation>
    </message>
    <message>
        <source>Four of spades</source>
        <translation>Quattro di picche</translation>
    </message>
    <message>
        <source>Five of spades</source>
        <translation>Cinque di picche</translation>
    </message>
    <message>
        <source>Six of spades</source>
        <translation>Sei di picche</translation>
    </message>
    <message>
        <source>Seven of spades</source>
        <translation>Sette di picche</translation>
    </message>
    <message>
        <source>Eight of spades</source>
        <translation>Otto di picche</translation>
    </message>
    <message>
        <source>Nine of spades</source>
        <translation>Nove di picche</translation>
    </message>
    <message>
        <source>Ten of spades</source>
        <translation>Dieci di picche</translation>
    </message>
    <message>
        <source>Jack of spades</source>
        <translation>Jack di picche</translation>
    </message>
    <message>
        <source>Queen of spades</source>
        <translation>Donna di picche</translation>
    </message>
    <message>
        <source>King of spades</source>
        <translation>Re di picche</translation>
    </message>
    <message>
        <source>Ace of spades</source>
        <translation>Asso di picche</translation>
    </message>
</context>
<context>
    <name>TableSpeech</name>
    <message>
        <source>You</source>
        <translation>Tu</translation>
    </message>
    <message>
        <source>no cards</source>
        <translation>nessuna carta</translation>
    </message>
    <message>
        <source>one card face down</source>
        <translation>una carta coperta</translation>
    </message>
    <message>
        <source>two cards face down</source>
        <translation>due carte coperte</translation>
    </message>
    <message>
        <source>three cards face down</source>
        <translation>tre carte coperte</translation>
    </message>
    <message>
        <source>Your cards: %1</source>
        <translation>Le tue carte: %1</translation>
    </message>
    <message>
        <source>Peter&apos;s cards: %1</source>
        <translation>Carte di Peter: %1</translation>
    </message>
    <message>
        <source>Anna&apos;s cards: %1</source>
        <translation>Carte di Anna: %1</translation>
    </message>
    <message>
        <source>George&apos;s cards: %1</source>
        <translation>Carte di George: %1</translation>
    </message>
    <message>
        <source>Maria&apos;s cards: %1</source>
        <translation>Carte di Maria: %1</translation>
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
        <translation>rilancia</translation>
    </message>
    <message>
        <source>calls</source>
        <translation>vede</translation>
    </message>
    <message>
        <source>checks</source>
        <translation>fa check</translation>
    </message>
    <message>
        <source>folds</source>
        <translation>lascia</translation>
    </message>
    <message>
        <source>you fold</source>
        <translation>lasci</translation>
    </message>
    <message>
        <source>New deal</source>
        <translation>Nuova mano</translation>
    </message>
    <message>
        <source>Fourth street</source>
        <translation>Quarta strada</translation>
    </message>
    <message>
        <source>Fifth street</source>
        <translation>Quinta strada</translation>
    </message>
    <message>
        <source>Sixth street</source>
        <translation>Sesta strada</translation>
    </message>
    <message>
        <source>Seventh street</source>
        <translation>Settima strada</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>You get %1</source>
        <translation>Ricevi: %1</translation>
    </message>
    <message>
        <source>%1 shows %2</source>
        <translation>%1 mostra: %2</translation>
    </message>
    <message>
        <source>%1 gets a card face down</source>
        <translation>%1 riceve una carta coperta</translation>
    </message>
    <message>
        <source>%1 get a card face down</source>
        <translation>Una carta coperta per %1</translation>
    </message>
    <message>
        <source>%1 raises</source>
        <translation>%1 rilancia</translation>
    </message>
    <message>
        <source>%1 calls</source>
        <translation>%1 vede</translation>
    </message>
    <message>
        <source>%1 checks</source>
        <translation>%1 fa check</translation>
    </message>
    <message>
        <source>%1 folds</source>
        <translation>%1 lascia</translation>
    </message>
    <message>
        <source>Showdown: %1</source>
        <translation>Showdown: %1</translation>
    </message>
    <message>
        <source>You have %1</source>
        <translation>Hai %1</translation>
    </message>
    <message>
        <source>%1 has %2</source>
        <translation>%1 ha %2</translation>
    </message>
    <message>
        <source>You win %1</source>
        <translation>Vinci %1</translation>
    </message>
    <message>
        <source>%1 wins %2</source>
        <translation>%1 vince %2</translation>
    </message>
    <message>
        <source>You win %1 with %2</source>
        <translation>Vinci %1 con %2</translation>
    </message>
    <message>
        <source>%1 wins %2 with %3</source>
        <translation>%1 vince %2 con %3</translation>
    </message>
    <message>
        <source>Split pot: %1</source>
        <translation>Piatto diviso: %1</translation>
    </message>
    <message>
        <source>Everybody else has folded: you take the pot of %1</source>
        <translation>Tutti gli altri hanno lasciato: vinci il piatto di %1</translation>
    </message>
    <message>
        <source>Pot %1</source>
        <translation>Piatto %1</translation>
    </message>
    <message>
        <source>%1 to call</source>
        <translation>%1 per vedere</translation>
    </message>
    <message>
        <source>nothing to call</source>
        <translation>nessuna puntata da vedere</translation>
    </message>
    <message>
        <source>Deal over</source>
        <translation>Mano finita</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 e %2</translation>
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
        <translation>quattro carte coperte</translation>
    </message>
    <message>
        <source>five cards face down</source>
        <translation>cinque carte coperte</translation>
    </message>
    <message>
        <source>six cards face down</source>
        <translation>sei carte coperte</translation>
    </message>
    <message>
        <source>seven cards face down</source>
        <translation>sette carte coperte</translation>
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
        <translation>coppia di due</translation>
    </message>
    <message>
        <source>One pair Threes</source>
        <translation>coppia di tre</translation>
    </message>
    <message>
        <source>One pair Fours</source>
        <translation>coppia di quattro</translation>
    </message>
    <message>
        <source>One pair Fives</source>
        <translation>coppia di cinque</translation>
    </message>
    <message>
        <source>One pair Sixes</source>
        <translation>coppia di sei</translation>
    </message>
    <message>
        <source>One pair Sevens</source>
        <translation>coppia di sette</translation>
    </message>
    <message>
        <source>One pair Eights</source>
        <translation>coppia di otto</translation>
    </message>
    <message>
        <source>One pair Nines</source>
        <translation>coppia di nove</translation>
    </message>
    <message>
        <source>One pair Tens</source>
        <translation>coppia di dieci</translation>
    </message>
    <message>
        <source>One pair Jacks</source>
        <translation>coppia di jack</translation>
    </message>
    <message>
        <source>One pair Queens</source>
        <translation>coppia di donne</translation>
    </message>
    <message>
        <source>One pair Kings</source>
        <translation>coppia di re</translation>
    </message>
    <message>
        <source>One pair Aces</source>
        <translation>coppia d&apos;assi</translation>
    </message>
    <message>
        <source>Two pairs Threes</source>
        <translation>doppia coppia di tre</translation>
    </message>
    <message>
        <source>Two pairs Fours</source>
        <translation>doppia coppia di quattro</translation>
    </message>
    <message>
        <source>Two pairs Fives</source>
        <translation>doppia coppia di cinque</translation>
    </message>
    <message>
        <source>Two pairs Sixes</source>
        <translation>doppia coppia di sei</translation>
    </message>
    <message>
        <source>Two pairs Sevens</source>
        <translation>doppia coppia di sette</translation>
    </message>
    <message>
        <source>Two pairs Eights</source>
        <translation>doppia coppia di otto</translation>
    </message>
    <message>
        <source>Two pairs Nines</source>
        <translation>doppia coppia di nove</translation>
    </message>
    <message>
        <source>Two pairs Tens</source>
        <translation>doppia coppia di dieci</translation>
    </message>
    <message>
        <source>Two pairs Jacks</source>
        <translation>doppia coppia di jack</translation>
    </message>
    <message>
        <source>Two pairs Queens</source>
        <translation>doppia coppia di donne</translation>
    </message>
    <message>
        <source>Two pairs Kings</source>
        <translation>doppia coppia di re</translation>
    </message>
    <message>
        <source>Two pairs Aces</source>
        <translation>doppia coppia d&apos;assi</translation>
    </message>
    <message>
        <source>Three Twos</source>
        <translation>tris di due</translation>
    </message>
    <message>
        <source>Three Threes</source>
        <translation>tris di tre</translation>
    </message>
    <message>
        <source>Three Fours</source>
        <translation>tris di quattro</translation>
    </message>
    <message>
        <source>Three Fives</source>
        <translation>tris di cinque</translation>
    </message>
    <message>
        <source>Three Sixes</source>
        <translation>tris di sei</translation>
    </message>
    <message>
        <source>Three Sevens</source>
        <translation>tris di sette</translation>
    </message>
    <message>
        <source>Three Eights</source>
        <translation>tris di otto</translation>
    </message>
    <message>
        <source>Three Nines</source>
        <translation>tris di nove</translation>
    </message>
    <message>
        <source>Three Tens</source>
        <translation>tris di dieci</translation>
    </message>
    <message>
        <source>Three Jacks</source>
        <translation>tris di jack</translation>
    </message>
    <message>
        <source>Three Queens</source>
        <translation>tris di donne</translation>
    </message>
    <message>
        <source>Three Kings</source>
        <translation>tris di re</translation>
    </message>
    <message>
        <source>Three Aces</source>
        <translation>tris d&apos;assi</translation>
    </message>
    <message>
        <source>Straight Six High</source>
        <translation>scala al sei</translation>
    </message>
    <message>
        <source>Straight Seven High</source>
        <translation>scala al sette</translation>
    </message>
    <message>
        <source>Straight Eight High</source>
        <translation>scala all&apos;otto</translation>
    </message>
    <message>
        <source>Straight Nine High</source>
        <translation>scala al nove</translation>
    </message>
    <message>
        <source>Straight Ten High</source>
        <translation>scala al dieci</translation>
    </message>
    <message>
        <source>Straight Jack High</source>
        <translation>scala al jack</translation>
    </message>
    <message>
        <source>Straight Queen High</source>
        <translation>scala alla donna</translation>
    </message>
    <message>
        <source>Straight King High</source>
        <translation>scala al re</translation>
    </message>
    <message>
        <source>Straight Ace High</source>
        <translation>scala all&apos;asso</translation>
    </message>
    <message>
        <source>Flush Six High</source>
        <translation>colore al sei</translation>
    </message>
    <message>
        <source>Flush Seven High</source>
        <translation>colore al sette</translation>
    </message>
    <message>
        <source>Flush Eight High</source>
        <translation>colore all&apos;otto</translation>
    </message>
    <message>
        <source>Flush Nine High</source>
        <translation>colore al nove</translation>
    </message>
    <message>
        <source>Flush Ten High</source>
        <translation>colore al dieci</translation>
    </message>
    <message>
        <source>Flush Jack High</source>
        <translation>colore al jack</translation>
    </message>
    <message>
        <source>Flush Queen High</source>
        <translation>colore alla donna</translation>
    </message>
    <message>
        <source>Flush King High</source>
        <translation>colore al re</translation>
    </message>
    <message>
        <source>Flush Ace High</source>
        <translation>colore all&apos;asso</translation>
    </message>
    <message>
        <source>Full house Twos</source>
        <translation>full di due</translation>
    </message>
    <message>
        <source>Full house Threes</source>
        <translation>full di tre</translation>
    </message>
    <message>
        <source>Full house Fours</source>
        <translation>full di quattro</translation>
    </message>
    <message>
        <source>Full house Fives</source>
        <translation>full di cinque</translation>
    </message>
    <message>
        <source>Full house Sixes</source>
        <translation>full di sei</translation>
    </message>
    <message>
        <source>Full house Sevens</source>
        <translation>full di sette</translation>
    </message>
    <message>
        <source>Full house Eights</source>
        <translation>full di otto</translation>
    </message>
    <message>
        <source>Full house Nines</source>
        <translation>full di nove</translation>
    </message>
    <message>
        <source>Full house Tens</source>
        <translation>full di dieci</translation>
    </message>
    <message>
        <source>Full house Jacks</source>
        <translation>full di jack</translation>
    </message>
    <message>
        <source>Full house Queens</source>
        <translation>full di donne</translation>
    </message>
    <message>
        <source>Full house Kings</source>
        <translation>full di re</translation>
    </message>
    <message>
        <source>Full house Aces</source>
        <translation>full d&apos;assi</translation>
    </message>
    <message>
        <source>Four Twos</source>
        <translation>poker di due</translation>
    </message>
    <message>
        <source>Four Threes</source>
        <translation>poker di tre</translation>
    </message>
    <message>
        <source>Four Fours</source>
        <translation>poker di quattro</translation>
    </message>
    <message>
        <source>Four Fives</source>
        <translation>poker di cinque</translation>
    </message>
    <message>
        <source>Four Sixes</source>
        <translation>poker di sei</translation>
    </message>
    <message>
        <source>Four Sevens</source>
        <translation>poker di sette</translation>
    </message>
    <message>
        <source>Four Eights</source>
        <translation>poker di otto</translation>
    </message>
    <message>
        <source>Four Nines</source>
        <translation>poker di nove</translation>
    </message>
    <message>
        <source>Four Tens</source>
        <translation>poker di dieci</translation>
    </message>
    <message>
        <source>Four Jacks</source>
        <translation>poker di jack</translation>
    </message>
    <message>
        <source>Four Queens</source>
        <translation>poker di donne</translation>
    </message>
    <message>
        <source>Four Kings</source>
        <translation>poker di re</translation>
    </message>
    <message>
        <source>Four Aces</source>
        <translation>poker d&apos;assi</translation>
    </message>
    <message>
        <source>Four</source>
        <translation>carta alta quattro</translation>
    </message>
    <message>
        <source>Five</source>
        <translation>carta alta cinque</translation>
    </message>
    <message>
        <source>Six</source>
        <translation>carta alta sei</translation>
    </message>
    <message>
        <source>Seven</source>
        <translation>carta alta sette</translation>
    </message>
    <message>
        <source>Eight</source>
        <translation>carta alta otto</translation>
    </message>
    <message>
        <source>Nine</source>
        <translation>carta alta nove</translation>
    </message>
    <message>
        <source>Ten</source>
        <translation>carta alta dieci</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>carta alta jack</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>carta alta donna</translation>
    </message>
    <message>
        <source>King</source>
        <translation>carta alta re</translation>
    </message>
    <message>
        <source>Ace</source>
        <translation>carta alta asso</translation>
    </message>
    <message>
        <source>Straight flush</source>
        <translation>scala colore</translation>
    </message>
    <message>
        <source>Straight Five High</source>
        <translation>scala al cinque</translation>
    </message>
</context>
<context>
    <name>ShowdownList</name>
    <message>
        <source>, </source>
        <extracomment>Between the seats&apos; hands in &quot;Showdown: %1&quot; (&quot;You have %1, Peter has %2&quot;). Where a hand name holds a comma itself, join them with something else.</extracomment>
        <translation>, </translation>
    </message>
</context>
<context>
    <name>SplitPotList</name>
    <message>
        <source>, </source>
        <extracomment>Between the wins of a split pot in &quot;Split pot: %1&quot; (&quot;Peter wins 13 with %3, Anna wins 13 with %3&quot;); &quot;%1 and %2&quot; joins the last two.</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 e %2</translation>
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
        <translation>Tu:</translation>
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
        <translation>I tuoi soldi</translation>
    </message>
    <message>
        <source>Peter&apos;s cash</source>
        <translation>Soldi di Peter</translation>
    </message>
    <message>
        <source>Anna&apos;s cash</source>
        <translation>Soldi di Anna</translation>
    </message>
    <message>
        <source>George&apos;s cash</source>
        <translation>Soldi di George</translation>
    </message>
    <message>
        <source>Maria&apos;s cash</source>
        <translation>Soldi di Maria</translation>
    </message>
    <message>
        <source>Your status</source>
        <translation>Il tuo stato</translation>
    </message>
    <message>
        <source>Peter&apos;s status</source>
        <translation>Stato di Peter</translation>
    </message>
    <message>
        <source>Anna&apos;s status</source>
        <translation>Stato di Anna</translation>
    </message>
    <message>
        <source>George&apos;s status</source>
        <translation>Stato di George</translation>
    </message>
    <message>
        <source>Maria&apos;s status</source>
        <translation>Stato di Maria</translation>
    </message>
    <message>
        <source>Pot</source>
        <translation>Piatto</translation>
    </message>
    <message>
        <source>Raise</source>
        <translation>Rilancia</translation>
    </message>
    <message>
        <source>Fold</source>
        <translation>Lascia</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Check</translation>
    </message>
    <message>
        <source>Deal</source>
        <translation>Dai le carte</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Ricomincia</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Si è verificato un errore imprevisto.</translation>
    </message>
</context>
<context>
    <name>OptionsPanel</name>
    <message>
        <source>Initial cash</source>
        <translation>Capitale iniziale</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Applica</translation>
    </message>
    <message>
        <source>Enter initial cash</source>
        <translation>Applica il capitale iniziale</translation>
    </message>
    <message>
        <source>Play until </source>
        <translation>Gioca fino a </translation>
    </message>
    <message>
        <source>someone wins</source>
        <translation>una vincita di</translation>
    </message>
    <message>
        <source>Play until someone wins</source>
        <translation>Gioca fino a una vincita di</translation>
    </message>
    <message>
        <source>Enter play-until amount</source>
        <translation>Applica l&apos;obiettivo di vincita</translation>
    </message>
    <message>
        <source>AI level</source>
        <translation>Livello IA</translation>
    </message>
    <message>
        <source>Amateur</source>
        <translation>Dilettante</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Esperto</translation>
    </message>
    <message>
        <source>Master</source>
        <translation>Maestro</translation>
    </message>
    <message>
        <source>Genius</source>
        <translation>Genio</translation>
    </message>
    <message>
        <source>Betting limits</source>
        <translation>Limiti di puntata</translation>
    </message>
    <message>
        <source>Ante:</source>
        <translation>Ante:</translation>
    </message>
    <message>
        <source>Small bet:</source>
        <translation>Piccola:</translation>
    </message>
    <message>
        <source>Big bet:</source>
        <translation>Grande:</translation>
    </message>
    <message>
        <source>Card Back</source>
        <translation>Dorso</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Attivo</translation>
    </message>
    <message>
        <source>Sound %1</source>
        <translation>Audio %1</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Closes the options</source>
        <translation>Chiude le opzioni</translation>
    </message>
    <message>
        <source>Ante</source>
        <translation>Ante</translation>
    </message>
    <message>
        <source>Small bet</source>
        <translation>Puntata piccola</translation>
    </message>
    <message>
        <source>Big bet</source>
        <translation>Puntata grande</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Ante %1, small bet %2, big bet %3</source>
        <translation>Ante %1, puntata piccola %2, puntata grande %3</translation>
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
        <translation>Informazioni su Seven Stud</translation>
    </message>
    <message>
        <source>About picture</source>
        <translation>Immagine della finestra Informazioni</translation>
    </message>
    <message>
        <source>A parchment scroll with the betting rules, a glossary and the credits</source>
        <translation>Una pergamena con le regole delle puntate, un glossario e i riconoscimenti</translation>
    </message>
    <message>
        <source>Seven Stud. Seven-card stud poker. Version 1.0.
Bets are small in the first two rounds and big in the later rounds.
Check: stay in without betting. Fold: give up the hand. Call: match the bet to stay in. Pot: the money bet in the deal.
Game, pictures and sounds by the Seven Stud developers. Built with Qt and libjpeg.</source>
        <translation>Seven Stud. Poker seven card stud. Versione 1.0.
Le puntate sono piccole nei primi due giri e grandi nei giri successivi.
Check: restare in gioco senza puntare. Lascia: abbandonare la mano. Vedi: pareggiare la puntata per restare in gioco. Piatto: il denaro puntato nella mano.
Gioco, immagini e suoni degli sviluppatori di Seven Stud. Realizzato con Qt e libjpeg.</translation>
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
        <translation>opzione sconosciuta «%1»</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argomento inatteso «%1»</translation>
    </message>
    <message>
        <source>Try &apos;sevenstud --help&apos; for the options the game takes.</source>
        <translation>«sevenstud --help» mostra le opzioni del gioco.</translation>
    </message>
    <message>
        <source>Usage: sevenstud [OPTION]</source>
        <translation>Uso: sevenstud [OPZIONE]</translation>
    </message>
    <message>
        <source>Seven-card stud poker with fixed limits: you against four computer opponents.</source>
        <translation>Poker seven card stud a limiti fissi: tu contro quattro avversari controllati dal computer.</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opzioni:</translation>
    </message>
    <message>
        <source>show this help and exit</source>
        <translation>mostra questo aiuto ed esce</translation>
    </message>
    <message>
        <source>show the version and exit</source>
        <translation>mostra la versione ed esce</translation>
    </message>
    <message>
        <source>Without an option the game opens its table window.</source>
        <translation>Senza opzioni il gioco apre la finestra del tavolo.</translation>
    </message>
    <message>
        <source>Settings file: %1</source>
        <translation>File delle impostazioni: %1</translation>
    </message>
    <message>
        <source>  (in $XDG_CONFIG_HOME/sevenstud/ when XDG_CONFIG_HOME is set). It keeps each
  seat&apos;s cash as it stood when &quot;Deal&quot; was last pressed, the initial cash, the
  target, the card back, the opponents&apos; level and the sound switch.</source>
        <translation>  (in $XDG_CONFIG_HOME/sevenstud/ se XDG_CONFIG_HOME è impostata). Conserva i
  soldi di ogni posto com&apos;erano l&apos;ultima volta che è stato premuto
  «Dai le carte», il capitale iniziale, l&apos;obiettivo di vincita, il dorso delle
  carte, il livello degli avversari e l&apos;audio.</translation>
    </message>
    <message>
        <source>See sevenstud(6) for how to play.</source>
        <translation>Come si gioca: vedi sevenstud(6).</translation>
    </message>
    <message>
        <source>play in this language: de, es, fr, it, or en</source>
        <translation>gioca in questa lingua: de, es, fr, it o en</translation>
    </message>
    <message>
        <source>Without --language it speaks the desktop&apos;s language (LANGUAGE, LC_ALL,
LC_MESSAGES, LANG), and English where it does not know that language.</source>
        <translation>Senza --language parla la lingua del desktop (LANGUAGE, LC_ALL,
LC_MESSAGES, LANG), e inglese se non conosce quella lingua.</translation>
    </message>
    <message>
        <source>option &apos;--language&apos; needs a language code, such as de</source>
        <translation>l&apos;opzione «--language» richiede un codice di lingua, per esempio it</translation>
    </message>
    <message>
        <source>Keys: F1 shows the rules and hand rankings, Ctrl+? every key of the game,
F10 opens the menu, Ctrl+Q quits. The table&apos;s buttons have keys of their own:
  %1.</source>
        <translation>Tasti: F1 mostra le regole e la gerarchia dei punti, Ctrl+? tutti i tasti del
gioco, F10 apre il menu, Ctrl+Q esce. I pulsanti del tavolo hanno tasti propri:
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
        <translation>Manca il set di immagini «%1»</translation>
    </message>
    <message>
        <source>The picture set &quot;%1&quot; has the wrong size</source>
        <translation>Il set di immagini «%1» ha le dimensioni sbagliate</translation>
    </message>
</context>
<context>
    <name>AboutPicture</name>
    <message>
        <source>Seven-card stud poker</source>
        <translation>Poker seven card stud</translation>
    </message>
    <message>
        <source>Version 1.0</source>
        <translation>Versione 1.0</translation>
    </message>
    <message>
        <source>Bets are small in the first two rounds</source>
        <translation>Le puntate sono piccole nei primi due giri</translation>
    </message>
    <message>
        <source>and big in the later rounds.</source>
        <translation>e grandi nei giri successivi.</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Check</translation>
    </message>
    <message>
        <source>stay in without betting</source>
        <translation>restare in gioco senza puntare</translation>
    </message>
    <message>
        <source>Fold</source>
        <translation>Lascia</translation>
    </message>
    <message>
        <source>give up the hand</source>
        <translation>abbandonare la mano</translation>
    </message>
    <message>
        <source>Call</source>
        <translation>Vedi</translation>
    </message>
    <message>
        <source>match the bet to stay in</source>
        <translation>pareggiare la puntata e restare</translation>
    </message>
    <message>
        <source>Pot</source>
        <translation>Piatto</translation>
    </message>
    <message>
        <source>the money bet in the deal</source>
        <translation>il denaro puntato nella mano</translation>
    </message>
    <message>
        <source>Game, pictures and sounds by</source>
        <translation>Gioco, immagini e suoni</translation>
    </message>
    <message>
        <source>the Seven Stud developers</source>
        <translation>degli sviluppatori di Seven Stud</translation>
    </message>
    <message>
        <source>Built with Qt and libjpeg</source>
        <translation>Realizzato con Qt e libjpeg</translation>
    </message>
</context>
<context>
    <name>ViewControl</name>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Ingrandisci</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>&amp;Riduci</translation>
    </message>
    <message>
        <source>&amp;Normal Size</source>
        <translation>Dimensione &amp;normale</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>&amp;Schermo intero</translation>
    </message>
    <message>
        <source>Leave Full Screen</source>
        <translation>Esci da schermo intero</translation>
    </message>
    <message>
        <source>F&amp;our-Colour Deck</source>
        <translation>Mazzo a &amp;quattro colori</translation>
    </message>
</context>
<context>
    <name>GameMenu</name>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Rules and hand rankings</source>
        <translation>Regole e gerarchia dei punti</translation>
    </message>
    <message>
        <source>Keyboard shortcuts</source>
        <translation>Scorciatoie da tastiera</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Esci</translation>
    </message>
</context>
<context>
    <name>MoveKeys</name>
    <message>
        <source>C</source>
        <extracomment>The key for the Call/Check button, a letter of its caption, unlike the others</extracomment>
        <translation>V</translation>
    </message>
    <message>
        <source>R</source>
        <extracomment>The key for the Raise/Bet button, a letter of its caption, unlike the others</extracomment>
        <translation>R</translation>
    </message>
    <message>
        <source>F</source>
        <extracomment>The key for the Fold button, a letter of its caption, unlike the others</extracomment>
        <translation>L</translation>
    </message>
    <message>
        <source>D</source>
        <extracomment>The key for the Deal button, a letter of its caption, unlike the others</extracomment>
        <translation>D</translation>
    </message>
    <message>
        <source>N</source>
        <extracomment>The key for the New Game button, a letter of its caption, unlike the others</extracomment>
        <translation>I</translation>
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
        <translation>Scorciatoie da tastiera</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Mosse</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tavolo</translation>
    </message>
    <message>
        <source>Next or previous button</source>
        <translation>Pulsante successivo o precedente</translation>
    </message>
    <message>
        <source>Press the button that has the focus</source>
        <translation>Premere il pulsante attivo</translation>
    </message>
    <message>
        <source>Close the options panel</source>
        <translation>Chiudere le opzioni</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Open the menu</source>
        <translation>Aprire il menu</translation>
    </message>
    <message>
        <source>Close this window</source>
        <translation>Chiudere questa finestra</translation>
    </message>
</context>
</TS>
