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
        <source>the game does not speak &apos;%1&apos; and plays in English; it speaks %2</source>
        <translation>il gioco non parla «%1» e si gioca in inglese; parla %2</translation>
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
    <name>History</name>
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
        <source>%1: opens, the bet stands</source>
        <translation>%1: apre, la puntata resta</translation>
    </message>
    <message>
        <source>%1: checks</source>
        <translation>%1: passa</translation>
    </message>
    <message>
        <source>%1: calls %2</source>
        <translation>%1: vede %2</translation>
    </message>
    <message>
        <source>%1: raises %2</source>
        <translation>%1: rilancia %2</translation>
    </message>
    <message>
        <source>%1: folds</source>
        <translation>%1: lascia</translation>
    </message>
    <message>
        <source>no cards</source>
        <translation>nessuna carta</translation>
    </message>
    <message>
        <source>%1 face down</source>
        <translation>%1 coperte</translation>
    </message>
    <message>
        <source>Everybody else folded.</source>
        <translation>Tutti gli altri hanno lasciato.</translation>
    </message>
    <message>
        <source>You folded; the others showed their cards.</source>
        <translation>Hai lasciato; gli altri hanno mostrato le carte.</translation>
    </message>
    <message>
        <source>Showdown.</source>
        <translation>Confronto finale.</translation>
    </message>
    <message>
        <source>%1: %2 (%3)</source>
        <translation>%1: %2 (%3)</translation>
    </message>
    <message>
        <source>You win %1.</source>
        <translation>Vinci %1.</translation>
    </message>
    <message>
        <source>%1 wins %2.</source>
        <translation>%1 vince %2.</translation>
    </message>
    <message>
        <source>%1 of the split pot goes to nobody.</source>
        <translation>%1 del piatto diviso non va a nessuno.</translation>
    </message>
    <message>
        <source>%1 reached the target: the match is over.</source>
        <translation>%1 ha raggiunto l'obiettivo: la partita è finita.</translation>
    </message>
    <message>
        <source>The match is over: you lose.</source>
        <translation>La partita è finita: hai perso.</translation>
    </message>
    <message>
        <source>The match is over: you win.</source>
        <translation>La partita è finita: hai vinto.</translation>
    </message>
    <message>
        <source>The match was given up for a new one.</source>
        <translation>La partita è stata abbandonata per una nuova.</translation>
    </message>
    <message>
        <source>Your result: %1</source>
        <translation>Il tuo risultato: %1</translation>
    </message>
    <message>
        <source>Street %1</source>
        <translation>Strada %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Pot: %1</source>
        <translation>Piatto: %1</translation>
    </message>
    <message>
        <source>Deal %1, %2</source>
        <translation>Mano %1, %2</translation>
    </message>
    <message>
        <source>Level %1, ante %2, bets %3 and %4</source>
        <translation>Livello %1, ante %2, puntate %3 e %4</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Cash before the deal: %1</source>
        <translation>Denaro prima della mano: %1</translation>
    </message>
    <message>
        <source>no hand shown</source>
        <translation>nessuna mano mostrata</translation>
    </message>
    <message>
        <source>Deal %1  %2  %3  %4</source>
        <translation>Mano %1  %2  %3  %4</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Cronologia</translation>
    </message>
    <message>
        <source>Deals, newest first</source>
        <translation>Mani, la più recente per prima</translation>
    </message>
    <message>
        <source>The street, move by move</source>
        <translation>La strada, mossa per mossa</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Inizio</translation>
    </message>
    <message>
        <source>&amp;Previous street</source>
        <translation>Strada &amp;precedente</translation>
    </message>
    <message>
        <source>&amp;Next street</source>
        <translation>Strada &amp;successiva</translation>
    </message>
    <message>
        <source>&amp;End</source>
        <translation>&amp;Fine</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copia</translation>
    </message>
    <message>
        <source>S&amp;tatistics</source>
        <translation>S&amp;tatistiche</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Deals kept: %1</source>
        <translation>Mani conservate: %1</translation>
    </message>
    <message>
        <source>Deal %1: street %2 of %3, pot %4</source>
        <translation>Mano %1: strada %2 di %3, piatto %4</translation>
    </message>
    <message>
        <source>Deal %1: the end, pot %2</source>
        <translation>Mano %1: la fine, piatto %2</translation>
    </message>
    <message>
        <source>No deal recorded yet.</source>
        <translation>Ancora nessuna mano registrata.</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistiche</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Azzera</translation>
    </message>
    <message>
        <source>Matches at %1: %2 played, %3 won, %4 lost, %5 given up</source>
        <translation>Partite a livello %1: %2 giocate, %3 vinte, %4 perse, %5 abbandonate</translation>
    </message>
    <message>
        <source>No match recorded yet.</source>
        <translation>Ancora nessuna partita registrata.</translation>
    </message>
    <message>
        <source>Deals played: %1</source>
        <translation>Mani giocate: %1</translation>
    </message>
    <message>
        <source>Deals won: %1 (at a showdown %2, when all others folded %3)</source>
        <translation>Mani vinte: %1 (al confronto %2, perché tutti hanno lasciato %3)</translation>
    </message>
    <message>
        <source>Folded on the first street: %1 (%2 %)</source>
        <translation>Lasciato alla prima strada: %1 (%2 %)</translation>
    </message>
    <message>
        <source>Biggest pot won: %1</source>
        <translation>Piatto più grande vinto: %1</translation>
    </message>
    <message>
        <source>Best hand: %1 (%2)</source>
        <translation>Mano migliore: %1 (%2)</translation>
    </message>
    <message>
        <source>Best hand: none shown yet</source>
        <translation>Mano migliore: nessuna ancora mostrata</translation>
    </message>
    <message>
        <source>Net result over all deals: %1</source>
        <translation>Risultato netto di tutte le mani: %1</translation>
    </message>
    <message>
        <source>Longest run of deals won: %1</source>
        <translation>Serie più lunga di mani vinte: %1</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Azzera</translation>
    </message>
    <message>
        <source>Clear the whole history and every statistic?</source>
        <translation>Cancellare tutta la cronologia e tutte le statistiche?</translation>
    </message>
    <message>
        <source>The game history was damaged. It has been kept as "%1" and a new history begun.</source>
        <translation>La cronologia di gioco era danneggiata. È stata conservata come «%1» e ne è stata iniziata una nuova.</translation>
    </message>
    <message>
        <source>The game history was written by a newer version of the game. It is left as it is, and deals are not recorded.</source>
        <translation>La cronologia di gioco è stata scritta da una versione più recente del gioco. Resta com'è e le mani non vengono registrate.</translation>
    </message>
    <message>
        <source>The game history cannot be written. Deals are not recorded.</source>
        <translation>Impossibile scrivere la cronologia di gioco. Le mani non vengono registrate.</translation>
    </message>
    <message>
        <source>No game history can be kept in "%1". Deals are not recorded.</source>
        <translation>Nessuna cronologia di gioco può essere conservata in «%1». Le mani non vengono registrate.</translation>
    </message>
    <message>
        <source>The disk is full: a deal could not be added to the game history.</source>
        <translation>Il disco è pieno: non è stato possibile aggiungere una mano alla cronologia.</translation>
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
    <name>Rules</name>
    <message>
        <source>Straight flush</source>
        <translation>Scala colore</translation>
    </message>
    <message>
        <source>Four of a kind</source>
        <translation>Poker</translation>
    </message>
    <message>
        <source>Full house</source>
        <translation>Full</translation>
    </message>
    <message>
        <source>Flush</source>
        <translation>Colore</translation>
    </message>
    <message>
        <source>Straight</source>
        <translation>Scala</translation>
    </message>
    <message>
        <source>Three of a kind</source>
        <translation>Tris</translation>
    </message>
    <message>
        <source>Two pairs</source>
        <translation>Doppia coppia</translation>
    </message>
    <message>
        <source>One pair</source>
        <translation>Coppia</translation>
    </message>
    <message>
        <source>High card</source>
        <translation>Carta alta</translation>
    </message>
    <message>
        <source>Rules and hand rankings</source>
        <translation>Regole e valore delle mani</translation>
    </message>
    <message>
        <source>you</source>
        <translation>tu</translation>
    </message>
    <message>
        <source>How Seven Stud is played</source>
        <translation>Come si gioca a Seven Stud</translation>
    </message>
    <message>
        <source>Seven Stud is seven-card stud poker with fixed limits. You play against %1 computer opponents, %2, and every player has cash of their own. A match goes on deal after deal. In each deal every player gets %3 cards, some face down and some face up, and bets on them street by street; the best hand, or the last player left in, takes the pot.</source>
        <translation>Seven Stud è lo stud a sette carte a limiti fissi. Giochi contro %1 avversari del computer, %2, e ogni giocatore ha il proprio denaro. Una partita va avanti mano dopo mano. In ogni mano ogni giocatore riceve %3 carte, alcune coperte e alcune scoperte, e punta su di esse strada dopo strada; la mano migliore, o l'ultimo giocatore rimasto, vince il piatto.</translation>
    </message>
    <message>
        <source>The ante</source>
        <translation>L'ante</translation>
    </message>
    <message>
        <source>At the start of every deal each player who still has cash puts the ante, now %1, into the pot. The pot holds only this deal's antes and bets: nothing is carried over from the deal before. A player with no more cash than the ante pays it all the same and is left with zero or less: an opponent so left makes no moves in that deal, and nobody so left can win it. A player with no cash left sits the deal out: no ante, no cards, no moves.</source>
        <translation>All'inizio di ogni mano ogni giocatore che ha ancora denaro mette l'ante, ora %1, nel piatto. Il piatto contiene solo gli ante e le puntate di questa mano: nulla passa dalla mano precedente. Un giocatore con non più denaro dell'ante lo paga lo stesso e resta a zero o sotto: un avversario in questo caso non fa mosse nella mano, e nessuno in questo caso può vincerla. Un giocatore senza più denaro salta la mano: niente ante, niente carte, niente mosse.</translation>
    </message>
    <message>
        <source>The cards and the streets</source>
        <translation>Le carte e le strade</translation>
    </message>
    <message>
        <source>All %1 cards of every player are dealt from one shuffled deck when the deal starts, but they come into play one street at a time. There are %2 betting streets:</source>
        <translation>Tutte le %1 carte di ogni giocatore vengono date da un solo mazzo mescolato all'inizio della mano, ma entrano in gioco una strada alla volta. Le strade di puntate sono %2:</translation>
    </message>
    <message>
        <source>Street %1: %2 cards, %3 face down and %4 face up</source>
        <translation>Strada %1: %2 carte, %3 coperte e %4 scoperte</translation>
    </message>
    <message>
        <source>You see all your own cards. Of the opponents' cards you see only those face up; their face-down cards are shown at the showdown.</source>
        <translation>Vedi tutte le tue carte. Delle carte degli avversari vedi solo quelle scoperte; le loro carte coperte si mostrano allo showdown.</translation>
    </message>
    <message>
        <source>Bets and raises</source>
        <translation>Puntate e rilanci</translation>
    </message>
    <message>
        <source>Every bet and every raise is exactly one unit, the small bet or the big bet, never more. The limits now are: ante %1, small bet %2, big bet %3. They are the betting limits of the options panel, from an ante of %4 up to %5; the small bet is always %6 antes and the big bet %7. A new ante is taken from the next deal on; new bets count from the next bet.</source>
        <translation>Ogni puntata e ogni rilancio vale esattamente un'unità, la puntata piccola o la puntata grande, mai di più. I limiti ora sono: ante %1, puntata piccola %2, puntata grande %3. Sono i limiti di puntata del pannello delle opzioni, da un ante di %4 fino a %5; la puntata piccola è sempre %6 ante e la grande %7. Un nuovo ante vale dalla mano successiva, nuove puntate dalla puntata successiva.</translation>
    </message>
    <message>
        <source>Your bet or raise is the small bet on streets %1 to %2 and the big bet on street %3.</source>
        <translation>La tua puntata o il tuo rilancio è la puntata piccola nelle strade da %1 a %2 e la puntata grande nella strada %3.</translation>
    </message>
    <message>
        <source>An opponent's raise is the small bet on streets %1 to %2 and the big bet on streets %3 to %4. The opponents never raise on street %5.</source>
        <translation>Il rilancio di un avversario è la puntata piccola nelle strade da %1 a %2 e la puntata grande nelle strade da %3 a %4. Gli avversari non rilanciano mai nella strada %5.</translation>
    </message>
    <message>
        <source>A call pays the bet that stands, one unit: nobody ever pays several raises at once.</source>
        <translation>Vedere paga la puntata in corso, un'unità: nessuno paga mai più rilanci insieme.</translation>
    </message>
    <message>
        <source>You can bet or raise only while you hold at least %1. A call is never refused: it may take your cash to zero or below.</source>
        <translation>Puoi puntare o rilanciare solo finché hai almeno %1. Vedere non è mai rifiutato: può portare il tuo denaro a zero o sotto.</translation>
    </message>
    <message>
        <source>No rule caps the number of raises on a street: each opponent may raise in each of its turns, and you in each of your moves while no opponent's raise stands. How each raise is answered is told below.</source>
        <translation>Nessuna regola limita il numero di rilanci in una strada: ogni avversario può rilanciare a ogni suo turno, e tu a ogni tua mossa finché non è in corso il rilancio di un avversario. Più sotto si spiega come si risponde a ogni rilancio.</translation>
    </message>
    <message>
        <source>Who opens</source>
        <translation>Chi apre</translation>
    </message>
    <message>
        <source>Each deal has an opener, the player with whom every street begins. Play goes round the table in the order %1, and the opener moves one seat on in that order with every deal. The first deal after the game starts is opened by %2, the next one by you, then by %3, and so on.</source>
        <translation>Ogni mano ha un apertore, il giocatore da cui comincia ogni strada. Si gioca intorno al tavolo nell'ordine %1, e l'apertore avanza di un posto in quest'ordine a ogni mano. La prima mano dopo l'avvio del gioco la apre %2, la successiva tu, poi %3, e così via.</translation>
    </message>
    <message>
        <source>An opponent who opens bets one small bet. The opponents after it answer that bet and take their turns, and then it is your move. The opener pays its opening bet only when you call or raise: then it answers it like the others, by calling or folding. If you fold at once, it never pays it. When you open, no bet stands, yet every opponent first answers one small bet, paying it or folding, and takes its turn; only then is it your move, and while no opponent has raised, %1 only checks.</source>
        <translation>Un avversario che apre punta una puntata piccola. Gli avversari dopo di lui rispondono a quella puntata e fanno il loro turno, poi tocca a te. L'apertore paga la sua puntata d'apertura solo quando vedi o rilanci: allora le risponde come gli altri, vedendo o lasciando. Se lasci subito, non la paga mai. Quando apri tu, nessuna puntata è in corso, ma ogni avversario risponde prima a una puntata piccola, pagandola o lasciando, e fa il suo turno; solo dopo tocca a te, e finché nessun avversario ha rilanciato, %1 fa solo check.</translation>
    </message>
    <message>
        <source>The first deal of a new match is opened by %1 without an opening bet: you move first and may check. After it the openers go on where they stood.</source>
        <translation>La prima mano di una nuova partita la apre %1 senza puntata d'apertura: giochi per primo e puoi fare check. Poi gli apertori continuano da dove erano.</translation>
    </message>
    <message>
        <source>When the opener folds, the next opponent after it who is still in the deal becomes the opener, or you, when none is left.</source>
        <translation>Quando l'apertore lascia, il prossimo avversario dopo di lui ancora nella mano diventa l'apertore, oppure tu, se non ne resta nessuno.</translation>
    </message>
    <message>
        <source>Your moves</source>
        <translation>Le tue mosse</translation>
    </message>
    <message>
        <source>%1, when no bet stands: you put nothing in, and the opponents take their turns, each checking or raising.</source>
        <translation>%1, quando nessuna puntata è in corso: non metti nulla, e gli avversari fanno il loro turno, ognuno facendo check o rilanciando.</translation>
    </message>
    <message>
        <source>%1, when a bet stands: you pay it. The opponents before the one who bet answer it too, and those after it take their turns.</source>
        <translation>%1, quando una puntata è in corso: la paghi. Gli avversari prima di chi ha puntato le rispondono anche loro, e quelli dopo fanno il loro turno.</translation>
    </message>
    <message>
        <source>%1 (the button reads %2 after %3, until your first raise): you put in one unit. From the second street on every opponent still in answers it; on the first street only the opponents up to the one whose bet stands answer it, and nobody when no bet stands. Then the opponents take their turns. While an opponent's raise stands you cannot raise; you can only call or fold. On the first street you may also raise the opening bet.</source>
        <translation>%1 (dopo %3 il pulsante dice %2, fino al tuo primo rilancio): metti un'unità. Dalla seconda strada ogni avversario ancora in gioco le risponde; nella prima strada le rispondono solo gli avversari fino a quello la cui puntata è in corso, e nessuno se non c'è una puntata in corso. Poi gli avversari fanno il loro turno. Finché è in corso il rilancio di un avversario non puoi rilanciare; puoi solo vedere o lasciare. Nella prima strada puoi anche rilanciare la puntata d'apertura.</translation>
    </message>
    <message>
        <source>%1: you give up the deal, and what you have put in stays in the pot. The showdown follows at once.</source>
        <translation>%1: abbandoni la mano, e quello che hai messo resta nel piatto. Lo showdown segue subito.</translation>
    </message>
    <message>
        <source>The opponents answer a bet by calling or folding, and in their own turn they check or raise. When an opponent raises, the opponents after it answer at once, and then it is your move: call or fold. An opponent that cannot pay a bet in full folds. An opponent decides by chance, weighed by how strong it believes its hand to be; it looks only at its own cards.</source>
        <translation>Gli avversari rispondono a una puntata vedendo o lasciando, e nel proprio turno fanno check o rilanciano. Quando un avversario rilancia, gli avversari dopo di lui rispondono subito, e poi tocca a te: vedere o lasciare. Un avversario che non può pagare per intero una puntata lascia. Un avversario decide a caso, secondo quanto crede forte la sua mano; guarda solo le proprie carte.</translation>
    </message>
    <message>
        <source>The end of a street</source>
        <translation>La fine di una strada</translation>
    </message>
    <message>
        <source>A street ends when the turn comes round to the opener again: every player still in then gets the next card. On the first street your %1 or %2 also ends the street at once, wherever the opener sits.</source>
        <translation>Una strada finisce quando il turno torna all'apertore: ogni giocatore ancora in gioco riceve allora la carta successiva. Nella prima strada il tuo %1 o %2 chiude anche subito la strada, ovunque sia l'apertore.</translation>
    </message>
    <message>
        <source>The end of a deal</source>
        <translation>La fine di una mano</translation>
    </message>
    <message>
        <source>When every opponent has folded, you take the whole pot at once and nobody shows cards.</source>
        <translation>Quando tutti gli avversari hanno lasciato, vinci subito l'intero piatto e nessuno mostra le carte.</translation>
    </message>
    <message>
        <source>After the betting on street %1 comes the showdown: every player still in shows all %2 cards, and the best hand takes the pot.</source>
        <translation>Dopo le puntate della strada %1 arriva lo showdown: ogni giocatore ancora in gioco mostra tutte le %2 carte, e la mano migliore vince il piatto.</translation>
    </message>
    <message>
        <source>When you fold, the deal is not played on: the showdown comes at once among the opponents still in, on all %1 of their cards, even those of streets that were never played.</source>
        <translation>Quando lasci, la mano non prosegue: lo showdown arriva subito fra gli avversari ancora in gioco, con tutte le loro %1 carte, anche quelle di strade mai giocate.</translation>
    </message>
    <message>
        <source>A player whose cash has run out during the deal (zero or below) cannot win it, even with the best hand. When nobody is left who can win the pot, %1 takes it all the same.</source>
        <translation>Un giocatore il cui denaro è finito durante la mano (zero o sotto) non può vincerla, nemmeno con la mano migliore. Se non resta nessuno che possa vincere il piatto, lo prende comunque %1.</translation>
    </message>
    <message>
        <source>The pot</source>
        <translation>Il piatto</translation>
    </message>
    <message>
        <source>The best hand takes the whole pot. Hands that come out exactly equal by the hand rankings below share it: each gets the pot divided by the number of winners, in whole chips. What is left over, the odd chips, goes to nobody and leaves the game. Then %1 starts the next deal.</source>
        <translation>La mano migliore vince l'intero piatto. Mani esattamente uguali secondo il valore delle mani qui sotto se lo dividono (piatto diviso): ognuna riceve il piatto diviso per il numero dei vincitori, in fiches intere. Quello che avanza, le fiches dispari, non va a nessuno ed esce dal gioco. Poi %1 comincia la mano successiva.</translation>
    </message>
    <message>
        <source>The end of a match</source>
        <translation>La fine di una partita</translation>
    </message>
    <message>
        <source>The match ends when:</source>
        <translation>La partita finisce quando:</translation>
    </message>
    <message>
        <source>you have no cash left (zero or below) when you press %1: you lose;</source>
        <translation>non hai più denaro (zero o sotto) quando premi %1: perdi;</translation>
    </message>
    <message>
        <source>no opponent has cash left when you press %1: you win;</source>
        <translation>nessun avversario ha più denaro quando premi %1: vinci;</translation>
    </message>
    <message>
        <source>after a showdown a player holds %1 or more, the initial cash of %2 plus the %3 of “%4” in the options panel: that player wins the match.</source>
        <translation>dopo uno showdown un giocatore ha %1 o più, il denaro iniziale di %2 più i %3 di «%4» nel pannello delle opzioni: quel giocatore vince la partita.</translation>
    </message>
    <message>
        <source>Then only %1 goes on. It asks first; then every player gets the amount in the options panel's “%2” box, the ante is taken, and a new deal starts with no bet standing. %1 starts a new match at any time in the same way.</source>
        <translation>Allora si va avanti solo con %1. Prima chiede conferma; poi ogni giocatore riceve l'importo della casella «%2» del pannello delle opzioni, si prende l'ante e comincia una nuova mano senza puntate in corso. %1 comincia allo stesso modo una nuova partita in qualsiasi momento.</translation>
    </message>
    <message>
        <source>The four levels</source>
        <translation>I quattro livelli</translation>
    </message>
    <message>
        <source>The level in the options panel (%1, %2, %3 or %4) sets how well the opponents judge their own hands. Before each decision an opponent plays its hand out against random hands, again and again: %5, %6, %7 or %8 times. The higher the level, the more trials, the less it is misled by chance, and the closer it plays to what its cards are worth. The level changes nothing else.</source>
        <translation>Il livello nel pannello delle opzioni (%1, %2, %3 o %4) stabilisce quanto bene gli avversari giudicano la propria mano. Prima di ogni decisione un avversario gioca la sua mano più e più volte contro mani a caso: %5, %6, %7 o %8 volte. Più alto è il livello, più prove, meno lo inganna il caso e più gioca secondo quanto valgono le sue carte. Il livello non cambia nient'altro.</translation>
    </message>
    <message>
        <source>What is kept between runs</source>
        <translation>Cosa resta fra una sessione e l'altra</translation>
    </message>
    <message>
        <source>The game keeps in its settings file, %1: every player's cash as it stood when %2 was last pressed, the initial cash and the play-until amount as last confirmed with their buttons, the level, the card back and the sound switch. The betting limits are not kept: every run starts with an ante of %3, a small bet of %4 and a big bet of %5. A deal not finished when the game is closed is lost: the next run deals afresh from the cash before it.</source>
        <translation>Il gioco conserva nel suo file delle impostazioni, %1: il denaro di ogni giocatore com'era quando si è premuto %2 l'ultima volta, il denaro iniziale e l'importo da raggiungere come confermati l'ultima volta con i loro pulsanti, il livello, il dorso delle carte e il suono. I limiti di puntata non si conservano: ogni sessione comincia con un ante di %3, una puntata piccola di %4 e una grande di %5. Una mano non finita alla chiusura del gioco va persa: la sessione successiva dà di nuovo le carte con il denaro di prima.</translation>
    </message>
    <message>
        <source>Hand rankings</source>
        <translation>Valore delle mani</translation>
    </message>
    <message>
        <source>At the showdown every hand is judged on all %1 of its cards. These are the kinds of hands, the best first; a hand of a higher kind beats every hand of a lower kind. Cards rank from the Two, the lowest, to the Ace, the highest.</source>
        <translation>Allo showdown ogni mano è giudicata su tutte le sue %1 carte. Queste sono le combinazioni, la migliore per prima; una combinazione più alta batte ogni combinazione più bassa. Le carte vanno dal due, la più bassa, all'asso, la più alta.</translation>
    </message>
    <message>
        <source>Two hands of the same kind are told apart by this game's own rules. In places they differ from the rules you may know from elsewhere; each place is named below.</source>
        <translation>Questo gioco distingue due mani della stessa combinazione con regole proprie. In alcuni punti differiscono da quelle che forse conosci altrove; ogni punto è indicato qui sotto.</translation>
    </message>
    <message>
        <source>a Two counts %1, a Three %2, and so on up to the Ace, %3</source>
        <translation>un due vale %1, un tre %2, e così via fino all'asso, %3</translation>
    </message>
    <message>
        <source>So these two hands are equal and share the pot:</source>
        <translation>Quindi queste due mani sono uguali e si dividono il piatto:</translation>
    </message>
    <message>
        <source>So the first of these two hands beats the second:</source>
        <translation>Quindi la prima di queste due mani batte la seconda:</translation>
    </message>
    <message>
        <source>Example: %1. The table shows it as “%2”.</source>
        <translation>Esempio: %1. Il tavolo la mostra come «%2».</translation>
    </message>
    <message>
        <source>Five cards of one suit in a row. All straight flushes are equal, whatever their highest card: two of them share the pot.</source>
        <translation>Cinque carte dello stesso seme in fila. Tutte le scale colore sono uguali, qualunque sia la loro carta più alta: due di esse si dividono il piatto.</translation>
    </message>
    <message>
        <source>Unlike elsewhere, the game looks for a straight flush in one place only: it takes the lowest rank of the hand whose next rank is held too, in any suit, and the first card of that rank dealt, and the straight flush must run upwards from that very card. A straight flush anywhere else counts only as a flush, and so does Ace, Two, Three, Four, Five of one suit. For example, %1 is a flush: the table shows “%2”.</source>
        <translation>A differenza di altrove, il gioco cerca la scala colore in un solo punto: prende il valore più basso della mano il cui valore successivo è presente anch'esso, in qualsiasi seme, e la prima carta data di quel valore, e la scala colore deve salire proprio da quella carta. Una scala colore altrove conta solo come colore, e così asso, due, tre, quattro, cinque dello stesso seme. Per esempio, %1 è un colore: il tavolo mostra «%2».</translation>
    </message>
    <message>
        <source>Four cards of one rank. The higher four wins.</source>
        <translation>Quattro carte dello stesso valore. Vince il poker più alto.</translation>
    </message>
    <message>
        <source>Three cards of one rank and two of another. The higher three wins.</source>
        <translation>Tre carte di un valore e due di un altro. Vince il tris più alto.</translation>
    </message>
    <message>
        <source>Five cards of one suit. Unlike elsewhere, only the highest card of the suit counts: two flushes with the same highest card are equal and share the pot, whatever their other cards.</source>
        <translation>Cinque carte dello stesso seme. A differenza di altrove, conta solo la carta più alta del seme: due colori con la stessa carta più alta sono uguali e si dividono il piatto, qualunque siano le loro altre carte.</translation>
    </message>
    <message>
        <source>Five cards of ranks in a row, in any suits. The higher top card wins; straights with the same top card share the pot. The Ace counts high, and low only in the lowest straight, Ace, Two, Three, Four, Five, which the table shows as “%1”.</source>
        <translation>Cinque carte di valori in fila, di semi qualsiasi. Vince la carta più alta maggiore; scale con la stessa carta più alta si dividono il piatto. L'asso conta alto, e basso solo nella scala più bassa, asso, due, tre, quattro, cinque, che il tavolo mostra come «%1».</translation>
    </message>
    <message>
        <source>Three cards of one rank. The higher three wins.</source>
        <translation>Tre carte dello stesso valore. Vince il tris più alto.</translation>
    </message>
    <message>
        <source>Two pairs of different ranks. The higher top pair wins. With the same top pair, the game takes the value of the lower pair %1 times and adds the value of the best other card (%2); the higher sum wins, and equal sums share the pot. Unlike elsewhere, the lower pair does not always decide.</source>
        <translation>Due coppie di valori diversi. Vince la coppia alta maggiore. Con la stessa coppia alta, il gioco prende %1 volte il valore della coppia bassa e aggiunge il valore della migliore altra carta (%2); vince la somma maggiore, e somme uguali si dividono il piatto. A differenza di altrove, non decide sempre la coppia bassa.</translation>
    </message>
    <message>
        <source>Two cards of one rank. The higher pair wins. With the same pair, the game adds up the values of the three best other cards (%1), the best counted %2 times, the second %3 times and the third once; the higher sum wins, and equal sums share the pot. Unlike elsewhere, the best other card does not always decide.</source>
        <translation>Due carte dello stesso valore. Vince la coppia più alta. Con la stessa coppia, il gioco somma i valori delle tre migliori altre carte (%1), la migliore contata %2 volte, la seconda %3 volte e la terza una volta; vince la somma maggiore, e somme uguali si dividono il piatto. A differenza di altrove, non decide sempre la migliore altra carta.</translation>
    </message>
    <message>
        <source>None of the above. The highest card wins. With the same highest card, the game takes the value of the next card %1 times and adds the value of the third (%2); the higher sum wins. Unlike elsewhere, only these three cards count: hands alike in them share the pot, whatever their other cards.</source>
        <translation>Niente di quanto sopra. Vince la carta più alta. Con la stessa carta più alta, il gioco prende %1 volte il valore della carta successiva e aggiunge il valore della terza (%2); vince la somma maggiore. A differenza di altrove, contano solo queste tre carte: mani uguali in esse si dividono il piatto, qualunque siano le loro altre carte.</translation>
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
