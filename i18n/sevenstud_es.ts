<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en">
<context>
    <name>Game</name>
    <message>
        <source>Raise</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Bet</source>
        <translation>Apostar</translation>
    </message>
    <message>
        <source>Call</source>
        <translation>Igualar</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Pasar</translation>
    </message>
    <message>
        <source>Fold</source>
        <translation>Retirarse</translation>
    </message>
    <message>
        <source>Deal</source>
        <translation>Repartir</translation>
    </message>
    <message>
        <source>Calls</source>
        <translation>Iguala</translation>
    </message>
    <message>
        <source>Checks</source>
        <translation>Pasa</translation>
    </message>
    <message>
        <source>Raises</source>
        <translation>Sube</translation>
    </message>
    <message>
        <source>Folds</source>
        <translation>Se retira</translation>
    </message>
    <message>
        <source>you fold</source>
        <translation>Te retiras</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Activado</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desactivado</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <translation>¿Estás seguro?</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Nueva partida</translation>
    </message>
    <message>
        <source>Game over</source>
        <translation>Fin de la partida</translation>
    </message>
    <message>
        <source>You win!</source>
        <translation>¡Has ganado!</translation>
    </message>
    <message>
        <source>You lose!</source>
        <translation>¡Has perdido!</translation>
    </message>
    <message>
        <source>Freak wins</source>
        <translation>Peter ha ganado</translation>
    </message>
    <message>
        <source>Geek wins</source>
        <translation>Anna ha ganado</translation>
    </message>
    <message>
        <source>Master wins</source>
        <translation>George ha ganado</translation>
    </message>
    <message>
        <source>Champ wins</source>
        <translation>Maria ha ganado</translation>
    </message>
    <message>
        <source>Invalid value</source>
        <translation>Valor no válido</translation>
    </message>
    <message>
        <source>the value is off limits</source>
        <translation>El valor está fuera de los límites.</translation>
    </message>
    <message>
        <source>New initial cash value confirmation</source>
        <translation>Dinero inicial aplicado</translation>
    </message>
    <message>
        <source>New until value confirmation</source>
        <translation>Ganancia objetivo aplicada</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>No se puede escribir en %1</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>«%1» no es un número entero válido</translation>
    </message>
    <message>
        <source>One pair Twos</source>
        <translation>Pareja de doses</translation>
    </message>
    <message>
        <source>One pair Threes</source>
        <translation>Pareja de treses</translation>
    </message>
    <message>
        <source>One pair Fours</source>
        <translation>Pareja de cuatros</translation>
    </message>
    <message>
        <source>One pair Fives</source>
        <translation>Pareja de cincos</translation>
    </message>
    <message>
        <source>One pair Sixes</source>
        <translation>Pareja de seises</translation>
    </message>
    <message>
        <source>One pair Sevens</source>
        <translation>Pareja de sietes</translation>
    </message>
    <message>
        <source>One pair Eights</source>
        <translation>Pareja de ochos</translation>
    </message>
    <message>
        <source>One pair Nines</source>
        <translation>Pareja de nueves</translation>
    </message>
    <message>
        <source>One pair Tens</source>
        <translation>Pareja de dieces</translation>
    </message>
    <message>
        <source>One pair Jacks</source>
        <translation>Pareja de jotas</translation>
    </message>
    <message>
        <source>One pair Queens</source>
        <translation>Pareja de reinas</translation>
    </message>
    <message>
        <source>One pair Kings</source>
        <translation>Pareja de reyes</translation>
    </message>
    <message>
        <source>One pair Aces</source>
        <translation>Pareja de ases</translation>
    </message>
    <message>
        <source>Two pairs Threes</source>
        <translation>Doble pareja de treses</translation>
    </message>
    <message>
        <source>Two pairs Fours</source>
        <translation>Doble pareja de cuatros</translation>
    </message>
    <message>
        <source>Two pairs Fives</source>
        <translation>Doble pareja de cincos</translation>
    </message>
    <message>
        <source>Two pairs Sixes</source>
        <translation>Doble pareja de seises</translation>
    </message>
    <message>
        <source>Two pairs Sevens</source>
        <translation>Doble pareja de sietes</translation>
    </message>
    <message>
        <source>Two pairs Eights</source>
        <translation>Doble pareja de ochos</translation>
    </message>
    <message>
        <source>Two pairs Nines</source>
        <translation>Doble pareja de nueves</translation>
    </message>
    <message>
        <source>Two pairs Tens</source>
        <translation>Doble pareja de dieces</translation>
    </message>
    <message>
        <source>Two pairs Jacks</source>
        <translation>Doble pareja de jotas</translation>
    </message>
    <message>
        <source>Two pairs Queens</source>
        <translation>Doble pareja de reinas</translation>
    </message>
    <message>
        <source>Two pairs Kings</source>
        <translation>Doble pareja de reyes</translation>
    </message>
    <message>
        <source>Two pairs Aces</source>
        <translation>Doble pareja de ases</translation>
    </message>
    <message>
        <source>Three Twos</source>
        <translation>Trío de doses</translation>
    </message>
    <message>
        <source>Three Threes</source>
        <translation>Trío de treses</translation>
    </message>
    <message>
        <source>Three Fours</source>
        <translation>Trío de cuatros</translation>
    </message>
    <message>
        <source>Three Fives</source>
        <translation>Trío de cincos</translation>
    </message>
    <message>
        <source>Three Sixes</source>
        <translation>Trío de seises</translation>
    </message>
    <message>
        <source>Three Sevens</source>
        <translation>Trío de sietes</translation>
    </message>
    <message>
        <source>Three Eights</source>
        <translation>Trío de ochos</translation>
    </message>
    <message>
        <source>Three Nines</source>
        <translation>Trío de nueves</translation>
    </message>
    <message>
        <source>Three Tens</source>
        <translation>Trío de dieces</translation>
    </message>
    <message>
        <source>Three Jacks</source>
        <translation>Trío de jotas</translation>
    </message>
    <message>
        <source>Three Queens</source>
        <translation>Trío de reinas</translation>
    </message>
    <message>
        <source>Three Kings</source>
        <translation>Trío de reyes</translation>
    </message>
    <message>
        <source>Three Aces</source>
        <translation>Trío de ases</translation>
    </message>
    <message>
        <source>Straight Six High</source>
        <translation>Escalera al seis</translation>
    </message>
    <message>
        <source>Straight Seven High</source>
        <translation>Escalera al siete</translation>
    </message>
    <message>
        <source>Straight Eight High</source>
        <translation>Escalera al ocho</translation>
    </message>
    <message>
        <source>Straight Nine High</source>
        <translation>Escalera al nueve</translation>
    </message>
    <message>
        <source>Straight Ten High</source>
        <translation>Escalera al diez</translation>
    </message>
    <message>
        <source>Straight Jack High</source>
        <translation>Escalera a la jota</translation>
    </message>
    <message>
        <source>Straight Queen High</source>
        <translation>Escalera a la reina</translation>
    </message>
    <message>
        <source>Straight King High</source>
        <translation>Escalera al rey</translation>
    </message>
    <message>
        <source>Straight Ace High</source>
        <translation>Escalera al as</translation>
    </message>
    <message>
        <source>Flush Six High</source>
        <translation>Color al seis</translation>
    </message>
    <message>
        <source>Flush Seven High</source>
        <translation>Color al siete</translation>
    </message>
    <message>
        <source>Flush Eight High</source>
        <translation>Color al ocho</translation>
    </message>
    <message>
        <source>Flush Nine High</source>
        <translation>Color al nueve</translation>
    </message>
    <message>
        <source>Flush Ten High</source>
        <translation>Color al diez</translation>
    </message>
    <message>
        <source>Flush Jack High</source>
        <translation>Color a la jota</translation>
    </message>
    <message>
        <source>Flush Queen High</source>
        <translation>Color a la reina</translation>
    </message>
    <message>
        <source>Flush King High</source>
        <translation>Color al rey</translation>
    </message>
    <message>
        <source>Flush Ace High</source>
        <translation>Color al as</translation>
    </message>
    <message>
        <source>Full house Twos</source>
        <translation>Full de doses</translation>
    </message>
    <message>
        <source>Full house Threes</source>
        <translation>Full de treses</translation>
    </message>
    <message>
        <source>Full house Fours</source>
        <translation>Full de cuatros</translation>
    </message>
    <message>
        <source>Full house Fives</source>
        <translation>Full de cincos</translation>
    </message>
    <message>
        <source>Full house Sixes</source>
        <translation>Full de seises</translation>
    </message>
    <message>
        <source>Full house Sevens</source>
        <translation>Full de sietes</translation>
    </message>
    <message>
        <source>Full house Eights</source>
        <translation>Full de ochos</translation>
    </message>
    <message>
        <source>Full house Nines</source>
        <translation>Full de nueves</translation>
    </message>
    <message>
        <source>Full house Tens</source>
        <translation>Full de dieces</translation>
    </message>
    <message>
        <source>Full house Jacks</source>
        <translation>Full de jotas</translation>
    </message>
    <message>
        <source>Full house Queens</source>
        <translation>Full de reinas</translation>
    </message>
    <message>
        <source>Full house Kings</source>
        <translation>Full de reyes</translation>
    </message>
    <message>
        <source>Full house Aces</source>
        <translation>Full de ases</translation>
    </message>
    <message>
        <source>Four Twos</source>
        <translation>Póker de doses</translation>
    </message>
    <message>
        <source>Four Threes</source>
        <translation>Póker de treses</translation>
    </message>
    <message>
        <source>Four Fours</source>
        <translation>Póker de cuatros</translation>
    </message>
    <message>
        <source>Four Fives</source>
        <translation>Póker de cincos</translation>
    </message>
    <message>
        <source>Four Sixes</source>
        <translation>Póker de seises</translation>
    </message>
    <message>
        <source>Four Sevens</source>
        <translation>Póker de sietes</translation>
    </message>
    <message>
        <source>Four Eights</source>
        <translation>Póker de ochos</translation>
    </message>
    <message>
        <source>Four Nines</source>
        <translation>Póker de nueves</translation>
    </message>
    <message>
        <source>Four Tens</source>
        <translation>Póker de dieces</translation>
    </message>
    <message>
        <source>Four Jacks</source>
        <translation>Póker de jotas</translation>
    </message>
    <message>
        <source>Four Queens</source>
        <translation>Póker de reinas</translation>
    </message>
    <message>
        <source>Four Kings</source>
        <translation>Póker de reyes</translation>
    </message>
    <message>
        <source>Four Aces</source>
        <translation>Póker de ases</translation>
    </message>
    <message>
        <source>Four</source>
        <translation>Cuatro alto</translation>
    </message>
    <message>
        <source>Five</source>
        <translation>Cinco alto</translation>
    </message>
    <message>
        <source>Six</source>
        <translation>Seis alto</translation>
    </message>
    <message>
        <source>Seven</source>
        <translation>Siete alto</translation>
    </message>
    <message>
        <source>Eight</source>
        <translation>Ocho alto</translation>
    </message>
    <message>
        <source>Nine</source>
        <translation>Nueve alto</translation>
    </message>
    <message>
        <source>Ten</source>
        <translation>Diez alto</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>Jota alta</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>Reina alta</translation>
    </message>
    <message>
        <source>King</source>
        <translation>Rey alto</translation>
    </message>
    <message>
        <source>Ace</source>
        <translation>As alto</translation>
    </message>
    <message>
        <source>Straight flush</source>
        <translation>Escalera de color</translation>
    </message>
    <message>
        <source>Straight Five High</source>
        <translation>Escalera al cinco</translation>
    </message>
</context>
<context>
    <name>Cards</name>
    <message>
        <source>Two of clubs</source>
        <translation>Dos de tréboles</translation>
    </message>
    <message>
        <source>Three of clubs</source>
        <translation>Tres de tréboles</translation>
    </message>
    <message>
        <source>Four of clubs</source>
        <translation>Cuatro de tréboles</translation>
    </message>
    <message>
        <source>Five of clubs</source>
        <translation>Cinco de tréboles</translation>
    </message>
    <message>
        <source>Six of clubs</source>
        <translation>Seis de tréboles</translation>
    </message>
    <message>
        <source>Seven of clubs</source>
        <translation>Siete de tréboles</translation>
    </message>
    <message>
        <source>Eight of clubs</source>
        <translation>Ocho de tréboles</translation>
    </message>
    <message>
        <source>Nine of clubs</source>
        <translation>Nueve de tréboles</translation>
    </message>
    <message>
        <source>Ten of clubs</source>
        <translation>Diez de tréboles</translation>
    </message>
    <message>
        <source>Jack of clubs</source>
        <translation>Jota de tréboles</translation>
    </message>
    <message>
        <source>Queen of clubs</source>
        <translation>Reina de tréboles</translation>
    </message>
    <message>
        <source>King of clubs</source>
        <translation>Rey de tréboles</translation>
    </message>
    <message>
        <source>Ace of clubs</source>
        <translation>As de tréboles</translation>
    </message>
    <message>
        <source>Two of diamonds</source>
        <translation>Dos de diamantes</translation>
    </message>
    <message>
        <source>Three of diamonds</source>
        <translation>Tres de diamantes</translation>
    </message>
    <message>
        <source>Four of diamonds</source>
        <translation>Cuatro de diamantes</translation>
    </message>
    <message>
        <source>Five of diamonds</source>
        <translation>Cinco de diamantes</translation>
    </message>
    <message>
        <source>Six of diamonds</source>
        <translation>Seis de diamantes</translation>
    </message>
    <message>
        <source>Seven of diamonds</source>
        <translation>Siete de diamantes</translation>
    </message>
    <message>
        <source>Eight of diamonds</source>
        <translation>Ocho de diamantes</translation>
    </message>
    <message>
        <source>Nine of diamonds</source>
        <translation>Nueve de diamantes</translation>
    </message>
    <message>
        <source>Ten of diamonds</source>
        <translation>Diez de diamantes</translation>
    </message>
    <message>
        <source>Jack of diamonds</source>
        <translation>Jota de diamantes</translation>
    </message>
    <message>
        <source>Queen of diamonds</source>
        <translation>Reina de diamantes</translation>
    </message>
    <message>
        <source>King of diamonds</source>
        <translation>Rey de diamantes</translation>
    </message>
    <message>
        <source>Ace of diamonds</source>
        <translation>As de diamantes</translation>
    </message>
    <message>
        <source>Two of hearts</source>
        <translation>Dos de corazones</translation>
    </message>
    <message>
        <source>Three of hearts</source>
        <translation>Tres de corazones</translation>
    </message>
    <message>
        <source>Four of hearts</source>
        <translation>Cuatro de corazones</translation>
    </message>
    <message>
        <source>Five of hearts</source>
        <translation>Cinco de corazones</translation>
    </message>
    <message>
        <source>Six of hearts</source>
        <translation>Seis de corazones</translation>
    </message>
    <message>
        <source>Seven of hearts</source>
        <translation>Siete de corazones</translation>
    </message>
    <message>
        <source>Eight of hearts</source>
        <translation>Ocho de corazones</translation>
    </message>
    <message>
        <source>Nine of hearts</source>
        <translation>Nueve de corazones</translation>
    </message>
    <message>
        <source>Ten of hearts</source>
        <translation>Diez de corazones</translation>
    </message>
    <message>
        <source>Jack of hearts</source>
        <translation>Jota de corazones</translation>
    </message>
    <message>
        <source>Queen of hearts</source>
        <translation>Reina de corazones</translation>
    </message>
    <message>
        <source>King of hearts</source>
        <translation>Rey de corazones</translation>
    </message>
    <message>
        <source>Ace of hearts</source>
        <translation>As de corazones</translation>
    </message>
    <message>
        <source>Two of spades</source>
        <translation>Dos de picas</translation>
    </message>
    <message>
        <source>Three of spades</source>
        <translation>Tres de picas</translation>
    </message>
    <message>
        <source>Four of spades</source>
        <translation>Cuatro de picas</translation>
    </message>
    <message>
        <source>Five of spades</source>
        <translation>Cinco de picas</translation>
    </message>
    <message>
        <source>Six of spades</source>
        <translation>Seis de picas</translation>
    </message>
    <message>
        <source>Seven of spades</source>
        <translation>Siete de picas</translation>
    </message>
    <message>
        <source>Eight of spades</source>
        <translation>Ocho de picas</translation>
    </message>
    <message>
        <source>Nine of spades</source>
        <translation>Nueve de picas</translation>
    </message>
    <message>
        <source>Ten of spades</source>
        <translation>Diez de picas</translation>
    </message>
    <message>
        <source>Jack of spades</source>
        <translation>Jota de picas</translation>
    </message>
    <message>
        <source>Queen of spades</source>
        <translation>Reina de picas</translation>
    </message>
    <message>
        <source>King of spades</source>
        <translation>Rey de picas</translation>
    </message>
    <message>
        <source>Ace of spades</source>
        <translation>As de picas</translation>
    </message>
</context>
<context>
    <name>TableSpeech</name>
    <message>
        <source>You</source>
        <translation>Tú</translation>
    </message>
    <message>
        <source>no cards</source>
        <translation>ninguna carta</translation>
    </message>
    <message>
        <source>one card face down</source>
        <translation>una carta boca abajo</translation>
    </message>
    <message>
        <source>two cards face down</source>
        <translation>dos cartas boca abajo</translation>
    </message>
    <message>
        <source>three cards face down</source>
        <translation>tres cartas boca abajo</translation>
    </message>
    <message>
        <source>Your cards: %1</source>
        <translation>Tus cartas: %1</translation>
    </message>
    <message>
        <source>Peter&apos;s cards: %1</source>
        <translation>Cartas de Peter: %1</translation>
    </message>
    <message>
        <source>Anna&apos;s cards: %1</source>
        <translation>Cartas de Anna: %1</translation>
    </message>
    <message>
        <source>George&apos;s cards: %1</source>
        <translation>Cartas de George: %1</translation>
    </message>
    <message>
        <source>Maria&apos;s cards: %1</source>
        <translation>Cartas de Maria: %1</translation>
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
        <translation>sube</translation>
    </message>
    <message>
        <source>calls</source>
        <translation>iguala</translation>
    </message>
    <message>
        <source>checks</source>
        <translation>pasa</translation>
    </message>
    <message>
        <source>folds</source>
        <translation>se retira</translation>
    </message>
    <message>
        <source>you fold</source>
        <translation>te retiras</translation>
    </message>
    <message>
        <source>New deal</source>
        <translation>Nueva mano</translation>
    </message>
    <message>
        <source>Fourth street</source>
        <translation>Cuarta calle</translation>
    </message>
    <message>
        <source>Fifth street</source>
        <translation>Quinta calle</translation>
    </message>
    <message>
        <source>Sixth street</source>
        <translation>Sexta calle</translation>
    </message>
    <message>
        <source>Seventh street</source>
        <translation>Séptima calle</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>You get %1</source>
        <translation>Recibes: %1</translation>
    </message>
    <message>
        <source>%1 shows %2</source>
        <translation>%1 muestra: %2</translation>
    </message>
    <message>
        <source>%1 gets a card face down</source>
        <translation>%1 recibe una carta boca abajo</translation>
    </message>
    <message>
        <source>%1 get a card face down</source>
        <translation>Una carta boca abajo para %1</translation>
    </message>
    <message>
        <source>%1 raises</source>
        <translation>%1 sube</translation>
    </message>
    <message>
        <source>%1 calls</source>
        <translation>%1 iguala</translation>
    </message>
    <message>
        <source>%1 checks</source>
        <translation>%1 pasa</translation>
    </message>
    <message>
        <source>%1 folds</source>
        <translation>%1 se retira</translation>
    </message>
    <message>
        <source>Showdown: %1</source>
        <translation>Showdown: %1</translation>
    </message>
    <message>
        <source>You have %1</source>
        <translation>Tienes %1</translation>
    </message>
    <message>
        <source>%1 has %2</source>
        <translation>%1 tiene %2</translation>
    </message>
    <message>
        <source>You win %1</source>
        <translation>Ganas %1</translation>
    </message>
    <message>
        <source>%1 wins %2</source>
        <translation>%1 gana %2</translation>
    </message>
    <message>
        <source>You win %1 with %2</source>
        <translation>Ganas %1 con %2</translation>
    </message>
    <message>
        <source>%1 wins %2 with %3</source>
        <translation>%1 gana %2 con %3</translation>
    </message>
    <message>
        <source>Split pot: %1</source>
        <translation>Bote dividido: %1</translation>
    </message>
    <message>
        <source>Everybody else has folded: you take the pot of %1</source>
        <translation>Todos los demás se han retirado: te llevas el bote de %1</translation>
    </message>
    <message>
        <source>Pot %1</source>
        <translation>Bote %1</translation>
    </message>
    <message>
        <source>%1 to call</source>
        <translation>%1 para igualar</translation>
    </message>
    <message>
        <source>nothing to call</source>
        <translation>nada que igualar</translation>
    </message>
    <message>
        <source>Deal over</source>
        <translation>Mano terminada</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 y %2</translation>
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
        <translation>cuatro cartas boca abajo</translation>
    </message>
    <message>
        <source>five cards face down</source>
        <translation>cinco cartas boca abajo</translation>
    </message>
    <message>
        <source>six cards face down</source>
        <translation>seis cartas boca abajo</translation>
    </message>
    <message>
        <source>seven cards face down</source>
        <translation>siete cartas boca abajo</translation>
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
        <translation>pareja de doses</translation>
    </message>
    <message>
        <source>One pair Threes</source>
        <translation>pareja de treses</translation>
    </message>
    <message>
        <source>One pair Fours</source>
        <translation>pareja de cuatros</translation>
    </message>
    <message>
        <source>One pair Fives</source>
        <translation>pareja de cincos</translation>
    </message>
    <message>
        <source>One pair Sixes</source>
        <translation>pareja de seises</translation>
    </message>
    <message>
        <source>One pair Sevens</source>
        <translation>pareja de sietes</translation>
    </message>
    <message>
        <source>One pair Eights</source>
        <translation>pareja de ochos</translation>
    </message>
    <message>
        <source>One pair Nines</source>
        <translation>pareja de nueves</translation>
    </message>
    <message>
        <source>One pair Tens</source>
        <translation>pareja de dieces</translation>
    </message>
    <message>
        <source>One pair Jacks</source>
        <translation>pareja de jotas</translation>
    </message>
    <message>
        <source>One pair Queens</source>
        <translation>pareja de reinas</translation>
    </message>
    <message>
        <source>One pair Kings</source>
        <translation>pareja de reyes</translation>
    </message>
    <message>
        <source>One pair Aces</source>
        <translation>pareja de ases</translation>
    </message>
    <message>
        <source>Two pairs Threes</source>
        <translation>doble pareja de treses</translation>
    </message>
    <message>
        <source>Two pairs Fours</source>
        <translation>doble pareja de cuatros</translation>
    </message>
    <message>
        <source>Two pairs Fives</source>
        <translation>doble pareja de cincos</translation>
    </message>
    <message>
        <source>Two pairs Sixes</source>
        <translation>doble pareja de seises</translation>
    </message>
    <message>
        <source>Two pairs Sevens</source>
        <translation>doble pareja de sietes</translation>
    </message>
    <message>
        <source>Two pairs Eights</source>
        <translation>doble pareja de ochos</translation>
    </message>
    <message>
        <source>Two pairs Nines</source>
        <translation>doble pareja de nueves</translation>
    </message>
    <message>
        <source>Two pairs Tens</source>
        <translation>doble pareja de dieces</translation>
    </message>
    <message>
        <source>Two pairs Jacks</source>
        <translation>doble pareja de jotas</translation>
    </message>
    <message>
        <source>Two pairs Queens</source>
        <translation>doble pareja de reinas</translation>
    </message>
    <message>
        <source>Two pairs Kings</source>
        <translation>doble pareja de reyes</translation>
    </message>
    <message>
        <source>Two pairs Aces</source>
        <translation>doble pareja de ases</translation>
    </message>
    <message>
        <source>Three Twos</source>
        <translation>trío de doses</translation>
    </message>
    <message>
        <source>Three Threes</source>
        <translation>trío de treses</translation>
    </message>
    <message>
        <source>Three Fours</source>
        <translation>trío de cuatros</translation>
    </message>
    <message>
        <source>Three Fives</source>
        <translation>trío de cincos</translation>
    </message>
    <message>
        <source>Three Sixes</source>
        <translation>trío de seises</translation>
    </message>
    <message>
        <source>Three Sevens</source>
        <translation>trío de sietes</translation>
    </message>
    <message>
        <source>Three Eights</source>
        <translation>trío de ochos</translation>
    </message>
    <message>
        <source>Three Nines</source>
        <translation>trío de nueves</translation>
    </message>
    <message>
        <source>Three Tens</source>
        <translation>trío de dieces</translation>
    </message>
    <message>
        <source>Three Jacks</source>
        <translation>trío de jotas</translation>
    </message>
    <message>
        <source>Three Queens</source>
        <translation>trío de reinas</translation>
    </message>
    <message>
        <source>Three Kings</source>
        <translation>trío de reyes</translation>
    </message>
    <message>
        <source>Three Aces</source>
        <translation>trío de ases</translation>
    </message>
    <message>
        <source>Straight Six High</source>
        <translation>escalera al seis</translation>
    </message>
    <message>
        <source>Straight Seven High</source>
        <translation>escalera al siete</translation>
    </message>
    <message>
        <source>Straight Eight High</source>
        <translation>escalera al ocho</translation>
    </message>
    <message>
        <source>Straight Nine High</source>
        <translation>escalera al nueve</translation>
    </message>
    <message>
        <source>Straight Ten High</source>
        <translation>escalera al diez</translation>
    </message>
    <message>
        <source>Straight Jack High</source>
        <translation>escalera a la jota</translation>
    </message>
    <message>
        <source>Straight Queen High</source>
        <translation>escalera a la reina</translation>
    </message>
    <message>
        <source>Straight King High</source>
        <translation>escalera al rey</translation>
    </message>
    <message>
        <source>Straight Ace High</source>
        <translation>escalera al as</translation>
    </message>
    <message>
        <source>Flush Six High</source>
        <translation>color al seis</translation>
    </message>
    <message>
        <source>Flush Seven High</source>
        <translation>color al siete</translation>
    </message>
    <message>
        <source>Flush Eight High</source>
        <translation>color al ocho</translation>
    </message>
    <message>
        <source>Flush Nine High</source>
        <translation>color al nueve</translation>
    </message>
    <message>
        <source>Flush Ten High</source>
        <translation>color al diez</translation>
    </message>
    <message>
        <source>Flush Jack High</source>
        <translation>color a la jota</translation>
    </message>
    <message>
        <source>Flush Queen High</source>
        <translation>color a la reina</translation>
    </message>
    <message>
        <source>Flush King High</source>
        <translation>color al rey</translation>
    </message>
    <message>
        <source>Flush Ace High</source>
        <translation>color al as</translation>
    </message>
    <message>
        <source>Full house Twos</source>
        <translation>full de doses</translation>
    </message>
    <message>
        <source>Full house Threes</source>
        <translation>full de treses</translation>
    </message>
    <message>
        <source>Full house Fours</source>
        <translation>full de cuatros</translation>
    </message>
    <message>
        <source>Full house Fives</source>
        <translation>full de cincos</translation>
    </message>
    <message>
        <source>Full house Sixes</source>
        <translation>full de seises</translation>
    </message>
    <message>
        <source>Full house Sevens</source>
        <translation>full de sietes</translation>
    </message>
    <message>
        <source>Full house Eights</source>
        <translation>full de ochos</translation>
    </message>
    <message>
        <source>Full house Nines</source>
        <translation>full de nueves</translation>
    </message>
    <message>
        <source>Full house Tens</source>
        <translation>full de dieces</translation>
    </message>
    <message>
        <source>Full house Jacks</source>
        <translation>full de jotas</translation>
    </message>
    <message>
        <source>Full house Queens</source>
        <translation>full de reinas</translation>
    </message>
    <message>
        <source>Full house Kings</source>
        <translation>full de reyes</translation>
    </message>
    <message>
        <source>Full house Aces</source>
        <translation>full de ases</translation>
    </message>
    <message>
        <source>Four Twos</source>
        <translation>póker de doses</translation>
    </message>
    <message>
        <source>Four Threes</source>
        <translation>póker de treses</translation>
    </message>
    <message>
        <source>Four Fours</source>
        <translation>póker de cuatros</translation>
    </message>
    <message>
        <source>Four Fives</source>
        <translation>póker de cincos</translation>
    </message>
    <message>
        <source>Four Sixes</source>
        <translation>póker de seises</translation>
    </message>
    <message>
        <source>Four Sevens</source>
        <translation>póker de sietes</translation>
    </message>
    <message>
        <source>Four Eights</source>
        <translation>póker de ochos</translation>
    </message>
    <message>
        <source>Four Nines</source>
        <translation>póker de nueves</translation>
    </message>
    <message>
        <source>Four Tens</source>
        <translation>póker de dieces</translation>
    </message>
    <message>
        <source>Four Jacks</source>
        <translation>póker de jotas</translation>
    </message>
    <message>
        <source>Four Queens</source>
        <translation>póker de reinas</translation>
    </message>
    <message>
        <source>Four Kings</source>
        <translation>póker de reyes</translation>
    </message>
    <message>
        <source>Four Aces</source>
        <translation>póker de ases</translation>
    </message>
    <message>
        <source>Four</source>
        <translation>cuatro alto</translation>
    </message>
    <message>
        <source>Five</source>
        <translation>cinco alto</translation>
    </message>
    <message>
        <source>Six</source>
        <translation>seis alto</translation>
    </message>
    <message>
        <source>Seven</source>
        <translation>siete alto</translation>
    </message>
    <message>
        <source>Eight</source>
        <translation>ocho alto</translation>
    </message>
    <message>
        <source>Nine</source>
        <translation>nueve alto</translation>
    </message>
    <message>
        <source>Ten</source>
        <translation>diez alto</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>jota alta</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>reina alta</translation>
    </message>
    <message>
        <source>King</source>
        <translation>rey alto</translation>
    </message>
    <message>
        <source>Ace</source>
        <translation>as alto</translation>
    </message>
    <message>
        <source>Straight flush</source>
        <translation>escalera de color</translation>
    </message>
    <message>
        <source>Straight Five High</source>
        <translation>escalera al cinco</translation>
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
        <translation>%1 y %2</translation>
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
        <translation>Tú:</translation>
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
        <translation>Tu dinero</translation>
    </message>
    <message>
        <source>Peter&apos;s cash</source>
        <translation>Dinero de Peter</translation>
    </message>
    <message>
        <source>Anna&apos;s cash</source>
        <translation>Dinero de Anna</translation>
    </message>
    <message>
        <source>George&apos;s cash</source>
        <translation>Dinero de George</translation>
    </message>
    <message>
        <source>Maria&apos;s cash</source>
        <translation>Dinero de Maria</translation>
    </message>
    <message>
        <source>Your status</source>
        <translation>Tu estado</translation>
    </message>
    <message>
        <source>Peter&apos;s status</source>
        <translation>Estado de Peter</translation>
    </message>
    <message>
        <source>Anna&apos;s status</source>
        <translation>Estado de Anna</translation>
    </message>
    <message>
        <source>George&apos;s status</source>
        <translation>Estado de George</translation>
    </message>
    <message>
        <source>Maria&apos;s status</source>
        <translation>Estado de Maria</translation>
    </message>
    <message>
        <source>Pot</source>
        <translation>Bote</translation>
    </message>
    <message>
        <source>Raise</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Fold</source>
        <translation>Retirarse</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Pasar</translation>
    </message>
    <message>
        <source>Deal</source>
        <translation>Repartir</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Reiniciar</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Se ha producido un error inesperado.</translation>
    </message>
</context>
<context>
    <name>OptionsPanel</name>
    <message>
        <source>Initial cash</source>
        <translation>Dinero inicial</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Enter initial cash</source>
        <translation>Aplicar el dinero inicial</translation>
    </message>
    <message>
        <source>Play until </source>
        <translation>Jugar hasta </translation>
    </message>
    <message>
        <source>someone wins</source>
        <translation>que alguien gane</translation>
    </message>
    <message>
        <source>Play until someone wins</source>
        <translation>Jugar hasta que alguien gane</translation>
    </message>
    <message>
        <source>Enter play-until amount</source>
        <translation>Aplicar la ganancia objetivo</translation>
    </message>
    <message>
        <source>AI level</source>
        <translation>Nivel de la IA</translation>
    </message>
    <message>
        <source>Amateur</source>
        <translation>Aficionado</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Experto</translation>
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
        <translation>Límites de apuesta</translation>
    </message>
    <message>
        <source>Ante:</source>
        <translation>Ante:</translation>
    </message>
    <message>
        <source>Small bet:</source>
        <translation>Pequeña:</translation>
    </message>
    <message>
        <source>Big bet:</source>
        <translation>Grande:</translation>
    </message>
    <message>
        <source>Card Back</source>
        <translation>Reverso</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Sonido</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Activado</translation>
    </message>
    <message>
        <source>Sound %1</source>
        <translation>Sonido %1</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Closes the options</source>
        <translation>Cierra las opciones</translation>
    </message>
    <message>
        <source>Ante</source>
        <translation>Ante</translation>
    </message>
    <message>
        <source>Small bet</source>
        <translation>Apuesta pequeña</translation>
    </message>
    <message>
        <source>Big bet</source>
        <translation>Apuesta grande</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Ante %1, small bet %2, big bet %3</source>
        <translation>Ante %1, apuesta pequeña %2, apuesta grande %3</translation>
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
        <translation>Acerca de Seven Stud</translation>
    </message>
    <message>
        <source>About picture</source>
        <translation>Imagen de la ventana Acerca de</translation>
    </message>
    <message>
        <source>A parchment scroll with the betting rules, a glossary and the credits</source>
        <translation>Un pergamino con las reglas de apuestas, un glosario y los créditos</translation>
    </message>
    <message>
        <source>Seven Stud. Seven-card stud poker. Version 1.0.
Bets are small in the first two rounds and big in the later rounds.
Check: stay in without betting. Fold: give up the hand. Call: match the bet to stay in. Pot: the money bet in the deal.
Game, pictures and sounds by the Seven Stud developers. Built with Qt and libjpeg.</source>
        <translation>Seven Stud. Póker seven card stud. Versión 1.0.
Las apuestas son pequeñas en las dos primeras rondas y grandes en las siguientes.
Pasar: seguir en la mano sin apostar. Retirarse: abandonar la mano. Igualar: pagar la apuesta para seguir en la mano. Bote: el dinero apostado en la mano.
Juego, imágenes y sonidos de los desarrolladores de Seven Stud. Hecho con Qt y libjpeg.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>opción desconocida «%1»</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argumento inesperado «%1»</translation>
    </message>
    <message>
        <source>Try &apos;sevenstud --help&apos; for the options the game takes.</source>
        <translation>«sevenstud --help» muestra las opciones del juego.</translation>
    </message>
    <message>
        <source>Usage: sevenstud [OPTION]</source>
        <translation>Uso: sevenstud [OPCIÓN]</translation>
    </message>
    <message>
        <source>Seven-card stud poker with fixed limits: you against four computer opponents.</source>
        <translation>Póker seven card stud con límites fijos: tú contra cuatro rivales controlados por el ordenador.</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opciones:</translation>
    </message>
    <message>
        <source>show this help and exit</source>
        <translation>mostrar esta ayuda y salir</translation>
    </message>
    <message>
        <source>show the version and exit</source>
        <translation>mostrar la versión y salir</translation>
    </message>
    <message>
        <source>Without an option the game opens its table window.</source>
        <translation>Sin opciones, el juego abre la ventana de la mesa.</translation>
    </message>
    <message>
        <source>Settings file: %1</source>
        <translation>Archivo de ajustes: %1</translation>
    </message>
    <message>
        <source>  (in $XDG_CONFIG_HOME/sevenstud/ when XDG_CONFIG_HOME is set). It keeps each
  seat&apos;s cash as it stood when &quot;Deal&quot; was last pressed, the initial cash, the
  target, the card back, the opponents&apos; level and the sound switch.</source>
        <translation>  (en $XDG_CONFIG_HOME/sevenstud/ si XDG_CONFIG_HOME está definida). Guarda el
  dinero de cada puesto tal como estaba la última vez que se pulsó «Repartir»,
  el dinero inicial, la ganancia objetivo, el reverso de las cartas, el nivel
  de los rivales y el sonido.</translation>
    </message>
    <message>
        <source>See sevenstud(6) for how to play.</source>
        <translation>Cómo se juega: véase sevenstud(6).</translation>
    </message>
    <message>
        <source>play in this language: de, es, fr, it, or en</source>
        <translation>jugar en este idioma: de, es, fr, it o en</translation>
    </message>
    <message>
        <source>Without --language it speaks the desktop&apos;s language (LANGUAGE, LC_ALL,
LC_MESSAGES, LANG), and English where it does not know that language.</source>
        <translation>Sin --language habla el idioma del escritorio (LANGUAGE, LC_ALL,
LC_MESSAGES, LANG); si no lo conoce, habla inglés.</translation>
    </message>
    <message>
        <source>option &apos;--language&apos; needs a language code, such as de</source>
        <translation>la opción «--language» necesita un código de idioma, como es</translation>
    </message>
    <message>
        <source>Keys: F1 shows the rules and hand rankings, Ctrl+? every key of the game,
F10 opens the menu, Ctrl+Q quits. The table&apos;s buttons have keys of their own:
  %1.</source>
        <translation>Teclas: F1 muestra las reglas y la jerarquía de las manos, Ctrl+? todas las
teclas del juego, F10 abre el menú, Ctrl+Q sale. Los botones de la mesa tienen
sus propias teclas:
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
        <translation>Falta el conjunto de imágenes «%1»</translation>
    </message>
    <message>
        <source>The picture set &quot;%1&quot; has the wrong size</source>
        <translation>El conjunto de imágenes «%1» tiene un tamaño incorrecto</translation>
    </message>
</context>
<context>
    <name>AboutPicture</name>
    <message>
        <source>Seven-card stud poker</source>
        <translation>Póker seven card stud</translation>
    </message>
    <message>
        <source>Version 1.0</source>
        <translation>Versión 1.0</translation>
    </message>
    <message>
        <source>Bets are small in the first two rounds</source>
        <translation>Las apuestas son pequeñas en las dos</translation>
    </message>
    <message>
        <source>and big in the later rounds.</source>
        <translation>primeras rondas y grandes en las demás.</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Pasar</translation>
    </message>
    <message>
        <source>stay in without betting</source>
        <translation>seguir en la mano sin apostar</translation>
    </message>
    <message>
        <source>Fold</source>
        <translation>Retirarse</translation>
    </message>
    <message>
        <source>give up the hand</source>
        <translation>abandonar la mano</translation>
    </message>
    <message>
        <source>Call</source>
        <translation>Igualar</translation>
    </message>
    <message>
        <source>match the bet to stay in</source>
        <translation>pagar la apuesta para seguir</translation>
    </message>
    <message>
        <source>Pot</source>
        <translation>Bote</translation>
    </message>
    <message>
        <source>the money bet in the deal</source>
        <translation>el dinero apostado en la mano</translation>
    </message>
    <message>
        <source>Game, pictures and sounds by</source>
        <translation>Juego, imágenes y sonidos de</translation>
    </message>
    <message>
        <source>the Seven Stud developers</source>
        <translation>los desarrolladores de Seven Stud</translation>
    </message>
    <message>
        <source>Built with Qt and libjpeg</source>
        <translation>Hecho con Qt y libjpeg</translation>
    </message>
</context>
<context>
    <name>ViewControl</name>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Acercar</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>A&amp;lejar</translation>
    </message>
    <message>
        <source>&amp;Normal Size</source>
        <translation>Tamaño &amp;normal</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>&amp;Pantalla completa</translation>
    </message>
    <message>
        <source>Leave Full Screen</source>
        <translation>Salir de pantalla completa</translation>
    </message>
    <message>
        <source>F&amp;our-Colour Deck</source>
        <translation>Baraja de &amp;cuatro colores</translation>
    </message>
</context>
<context>
    <name>GameMenu</name>
    <message>
        <source>Menu</source>
        <translation>Menú</translation>
    </message>
    <message>
        <source>Rules and hand rankings</source>
        <translation>Reglas y jerarquía de las manos</translation>
    </message>
    <message>
        <source>Keyboard shortcuts</source>
        <translation>Atajos de teclado</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
</context>
<context>
    <name>MoveKeys</name>
    <message>
        <source>C</source>
        <extracomment>The key for the Call/Check button, a letter of its caption, unlike the others</extracomment>
        <translation>I</translation>
    </message>
    <message>
        <source>R</source>
        <extracomment>The key for the Raise/Bet button, a letter of its caption, unlike the others</extracomment>
        <translation>S</translation>
    </message>
    <message>
        <source>F</source>
        <extracomment>The key for the Fold button, a letter of its caption, unlike the others</extracomment>
        <translation>R</translation>
    </message>
    <message>
        <source>D</source>
        <extracomment>The key for the Deal button, a letter of its caption, unlike the others</extracomment>
        <translation>P</translation>
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
        <translation>Atajos de teclado</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Jugadas</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Mesa</translation>
    </message>
    <message>
        <source>Next or previous button</source>
        <translation>Botón siguiente o anterior</translation>
    </message>
    <message>
        <source>Press the button that has the focus</source>
        <translation>Pulsar el botón que tiene el foco</translation>
    </message>
    <message>
        <source>Close the options panel</source>
        <translation>Cerrar las opciones</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menú</translation>
    </message>
    <message>
        <source>Open the menu</source>
        <translation>Abrir el menú</translation>
    </message>
    <message>
        <source>Close this window</source>
        <translation>Cerrar esta ventana</translation>
    </message>
</context>
</TS>
