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
        <source>the game does not speak &apos;%1&apos; and plays in English; it speaks %2</source>
        <translation>el juego no habla «%1» y se juega en inglés; habla %2</translation>
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
    <name>History</name>
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
        <source>%1: opens, the bet stands</source>
        <translation>%1: abre, la apuesta sigue en pie</translation>
    </message>
    <message>
        <source>%1: checks</source>
        <translation>%1: pasa</translation>
    </message>
    <message>
        <source>%1: calls %2</source>
        <translation>%1: iguala %2</translation>
    </message>
    <message>
        <source>%1: raises %2</source>
        <translation>%1: sube %2</translation>
    </message>
    <message>
        <source>%1: folds</source>
        <translation>%1: se retira</translation>
    </message>
    <message>
        <source>no cards</source>
        <translation>sin cartas</translation>
    </message>
    <message>
        <source>%1 face down</source>
        <translation>%1 boca abajo</translation>
    </message>
    <message>
        <source>Everybody else folded.</source>
        <translation>Todos los demás se retiraron.</translation>
    </message>
    <message>
        <source>You folded; the others showed their cards.</source>
        <translation>Te retiraste; los demás mostraron sus cartas.</translation>
    </message>
    <message>
        <source>Showdown.</source>
        <translation>Enseñanza de cartas.</translation>
    </message>
    <message>
        <source>%1: %2 (%3)</source>
        <translation>%1: %2 (%3)</translation>
    </message>
    <message>
        <source>You win %1.</source>
        <translation>Ganas %1.</translation>
    </message>
    <message>
        <source>%1 wins %2.</source>
        <translation>%1 gana %2.</translation>
    </message>
    <message>
        <source>%1 of the split pot goes to nobody.</source>
        <translation>%1 del bote repartido no es para nadie.</translation>
    </message>
    <message>
        <source>%1 reached the target: the match is over.</source>
        <translation>%1 alcanzó la meta: la partida ha terminado.</translation>
    </message>
    <message>
        <source>The match is over: you lose.</source>
        <translation>La partida ha terminado: pierdes.</translation>
    </message>
    <message>
        <source>The match is over: you win.</source>
        <translation>La partida ha terminado: ganas.</translation>
    </message>
    <message>
        <source>The match was given up for a new one.</source>
        <translation>La partida se abandonó por una nueva.</translation>
    </message>
    <message>
        <source>Your result: %1</source>
        <translation>Tu resultado: %1</translation>
    </message>
    <message>
        <source>Street %1</source>
        <translation>Calle %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Pot: %1</source>
        <translation>Bote: %1</translation>
    </message>
    <message>
        <source>Deal %1, %2</source>
        <translation>Mano %1, %2</translation>
    </message>
    <message>
        <source>Level %1, ante %2, bets %3 and %4</source>
        <translation>Nivel %1, ante %2, apuestas %3 y %4</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Cash before the deal: %1</source>
        <translation>Dinero antes de la mano: %1</translation>
    </message>
    <message>
        <source>no hand shown</source>
        <translation>ninguna mano mostrada</translation>
    </message>
    <message>
        <source>Deal %1  %2  %3  %4</source>
        <translation>Mano %1  %2  %3  %4</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historial</translation>
    </message>
    <message>
        <source>Deals, newest first</source>
        <translation>Manos, la más reciente primero</translation>
    </message>
    <message>
        <source>The street, move by move</source>
        <translation>La calle, jugada a jugada</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Inicio</translation>
    </message>
    <message>
        <source>&amp;Previous street</source>
        <translation>Calle &amp;anterior</translation>
    </message>
    <message>
        <source>&amp;Next street</source>
        <translation>Calle &amp;siguiente</translation>
    </message>
    <message>
        <source>&amp;End</source>
        <translation>&amp;Final</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>S&amp;tatistics</source>
        <translation>Es&amp;tadísticas</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Deals kept: %1</source>
        <translation>Manos guardadas: %1</translation>
    </message>
    <message>
        <source>Deal %1: street %2 of %3, pot %4</source>
        <translation>Mano %1: calle %2 de %3, bote %4</translation>
    </message>
    <message>
        <source>Deal %1: the end, pot %2</source>
        <translation>Mano %1: el final, bote %2</translation>
    </message>
    <message>
        <source>No deal recorded yet.</source>
        <translation>Todavía no hay ninguna mano guardada.</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Estadísticas</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Borrar</translation>
    </message>
    <message>
        <source>Matches at %1: %2 played, %3 won, %4 lost, %5 given up</source>
        <translation>Partidas en %1: %2 jugadas, %3 ganadas, %4 perdidas, %5 abandonadas</translation>
    </message>
    <message>
        <source>No match recorded yet.</source>
        <translation>Todavía no hay ninguna partida guardada.</translation>
    </message>
    <message>
        <source>Deals played: %1</source>
        <translation>Manos jugadas: %1</translation>
    </message>
    <message>
        <source>Deals won: %1 (at a showdown %2, when all others folded %3)</source>
        <translation>Manos ganadas: %1 (enseñando %2, al retirarse los demás %3)</translation>
    </message>
    <message>
        <source>Folded on the first street: %1 (%2 %)</source>
        <translation>Retirado en la primera calle: %1 (%2 %)</translation>
    </message>
    <message>
        <source>Biggest pot won: %1</source>
        <translation>Mayor bote ganado: %1</translation>
    </message>
    <message>
        <source>Best hand: %1 (%2)</source>
        <translation>Mejor mano: %1 (%2)</translation>
    </message>
    <message>
        <source>Best hand: none shown yet</source>
        <translation>Mejor mano: ninguna mostrada aún</translation>
    </message>
    <message>
        <source>Net result over all deals: %1</source>
        <translation>Resultado neto de todas las manos: %1</translation>
    </message>
    <message>
        <source>Longest run of deals won: %1</source>
        <translation>Racha más larga de manos ganadas: %1</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Clear the whole history and every statistic?</source>
        <translation>¿Borrar todo el historial y todas las estadísticas?</translation>
    </message>
    <message>
        <source>The game history was damaged. It has been kept as "%1" and a new history begun.</source>
        <translation>El historial de juego estaba dañado. Se ha guardado como «%1» y se ha empezado uno nuevo.</translation>
    </message>
    <message>
        <source>The game history was written by a newer version of the game. It is left as it is, and deals are not recorded.</source>
        <translation>El historial de juego lo escribió una versión más reciente del juego. Se deja como está y las manos no se guardan.</translation>
    </message>
    <message>
        <source>The game history cannot be written. Deals are not recorded.</source>
        <translation>No se puede escribir el historial de juego. Las manos no se guardan.</translation>
    </message>
    <message>
        <source>No game history can be kept in "%1". Deals are not recorded.</source>
        <translation>No se puede guardar ningún historial de juego en «%1». Las manos no se guardan.</translation>
    </message>
    <message>
        <source>The disk is full: a deal could not be added to the game history.</source>
        <translation>El disco está lleno: no se pudo añadir una mano al historial.</translation>
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
    <name>Rules</name>
    <message>
        <source>Straight flush</source>
        <translation>Escalera de color</translation>
    </message>
    <message>
        <source>Four of a kind</source>
        <translation>Póker</translation>
    </message>
    <message>
        <source>Full house</source>
        <translation>Full</translation>
    </message>
    <message>
        <source>Flush</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>Straight</source>
        <translation>Escalera</translation>
    </message>
    <message>
        <source>Three of a kind</source>
        <translation>Trío</translation>
    </message>
    <message>
        <source>Two pairs</source>
        <translation>Doble pareja</translation>
    </message>
    <message>
        <source>One pair</source>
        <translation>Pareja</translation>
    </message>
    <message>
        <source>High card</source>
        <translation>Carta alta</translation>
    </message>
    <message>
        <source>Rules and hand rankings</source>
        <translation>Reglas y valor de las manos</translation>
    </message>
    <message>
        <source>you</source>
        <translation>tú</translation>
    </message>
    <message>
        <source>How Seven Stud is played</source>
        <translation>Cómo se juega Seven Stud</translation>
    </message>
    <message>
        <source>Seven Stud is seven-card stud poker with fixed limits. You play against %1 computer opponents, %2, and every player has cash of their own. A match goes on deal after deal. In each deal every player gets %3 cards, some face down and some face up, and bets on them street by street; the best hand, or the last player left in, takes the pot.</source>
        <translation>Seven Stud es stud de siete cartas con límites fijos. Juegas contra %1 rivales del ordenador, %2, y cada jugador tiene su propio dinero. Una partida sigue mano tras mano. En cada mano cada jugador recibe %3 cartas, unas boca abajo y otras boca arriba, y apuesta por ellas calle a calle; la mejor jugada, o el último jugador que queda, se lleva el bote.</translation>
    </message>
    <message>
        <source>The ante</source>
        <translation>El ante</translation>
    </message>
    <message>
        <source>At the start of every deal each player who still has cash puts the ante, now %1, into the pot. The pot holds only this deal's antes and bets: nothing is carried over from the deal before. A player with no more cash than the ante pays it all the same and is left with zero or less: an opponent so left makes no moves in that deal, and nobody so left can win it. A player with no cash left sits the deal out: no ante, no cards, no moves.</source>
        <translation>Al empezar cada mano, cada jugador que aún tiene dinero pone el ante, ahora %1, en el bote. El bote solo tiene los antes y las apuestas de esta mano: no se arrastra nada de la mano anterior. Un jugador que no tiene más dinero que el ante lo paga igualmente y se queda en cero o menos: un rival en ese caso no hace ninguna jugada en la mano, y nadie en ese caso puede ganarla. Un jugador sin dinero no juega la mano: ni ante, ni cartas, ni jugadas.</translation>
    </message>
    <message>
        <source>The cards and the streets</source>
        <translation>Las cartas y las calles</translation>
    </message>
    <message>
        <source>All %1 cards of every player are dealt from one shuffled deck when the deal starts, but they come into play one street at a time. There are %2 betting streets:</source>
        <translation>Las %1 cartas de cada jugador se reparten de una baraja mezclada al empezar la mano, pero entran en juego calle a calle. Hay %2 calles de apuestas:</translation>
    </message>
    <message>
        <source>Street %1: %2 cards, %3 face down and %4 face up</source>
        <translation>Calle %1: %2 cartas, %3 boca abajo y %4 boca arriba</translation>
    </message>
    <message>
        <source>You see all your own cards. Of the opponents' cards you see only those face up; their face-down cards are shown at the showdown.</source>
        <translation>Ves todas tus cartas. De las cartas de los rivales solo ves las que están boca arriba; sus cartas boca abajo se muestran en el showdown.</translation>
    </message>
    <message>
        <source>Bets and raises</source>
        <translation>Apuestas y subidas</translation>
    </message>
    <message>
        <source>Every bet and every raise is exactly one unit, the small bet or the big bet, never more. The limits now are: ante %1, small bet %2, big bet %3. They are the betting limits of the options panel, from an ante of %4 up to %5; the small bet is always %6 antes and the big bet %7. A new ante is taken from the next deal on; new bets count from the next bet.</source>
        <translation>Cada apuesta y cada subida es exactamente una unidad, la apuesta pequeña o la apuesta grande, nunca más. Los límites ahora son: ante %1, apuesta pequeña %2, apuesta grande %3. Son los límites de apuesta del panel de opciones, de un ante de %4 a %5; la apuesta pequeña es siempre %6 antes y la grande %7. Un ante nuevo vale desde la mano siguiente; las apuestas nuevas, desde la apuesta siguiente.</translation>
    </message>
    <message>
        <source>Your bet or raise is the small bet on streets %1 to %2 and the big bet on street %3.</source>
        <translation>Tu apuesta o subida es la apuesta pequeña en las calles %1 a %2 y la apuesta grande en la calle %3.</translation>
    </message>
    <message>
        <source>An opponent's raise is the small bet on streets %1 to %2 and the big bet on streets %3 to %4. The opponents never raise on street %5.</source>
        <translation>La subida de un rival es la apuesta pequeña en las calles %1 a %2 y la apuesta grande en las calles %3 a %4. Los rivales nunca suben en la calle %5.</translation>
    </message>
    <message>
        <source>A call pays the bet that stands, one unit: nobody ever pays several raises at once.</source>
        <translation>Igualar paga la apuesta en pie, una unidad: nadie paga nunca varias subidas a la vez.</translation>
    </message>
    <message>
        <source>You can bet or raise only while you hold at least %1. A call is never refused: it may take your cash to zero or below.</source>
        <translation>Solo puedes apostar o subir mientras tengas al menos %1. Igualar nunca se rechaza: puede dejar tu dinero en cero o por debajo.</translation>
    </message>
    <message>
        <source>No rule caps the number of raises on a street: each opponent may raise in each of its turns, and you in each of your moves while no opponent's raise stands. How each raise is answered is told below.</source>
        <translation>Ninguna regla limita el número de subidas en una calle: cada rival puede subir en cada uno de sus turnos, y tú en cada una de tus jugadas mientras no esté en pie la subida de un rival. Más abajo se explica cómo se responde a cada subida.</translation>
    </message>
    <message>
        <source>Who opens</source>
        <translation>Quién abre</translation>
    </message>
    <message>
        <source>Each deal has an opener, the player with whom every street begins. Play goes round the table in the order %1, and the opener moves one seat on in that order with every deal. The first deal after the game starts is opened by %2, the next one by you, then by %3, and so on.</source>
        <translation>Cada mano tiene un jugador que abre, con quien empieza cada calle. Se juega alrededor de la mesa en el orden %1, y quien abre avanza un puesto en ese orden con cada mano. La primera mano tras iniciar el juego la abre %2, la siguiente tú, luego %3, y así sucesivamente.</translation>
    </message>
    <message>
        <source>An opponent who opens bets one small bet. The opponents after it answer that bet and take their turns, and then it is your move. The opener pays its opening bet only when you call or raise: then it answers it like the others, by calling or folding. If you fold at once, it never pays it. When you open, no bet stands, yet every opponent first answers one small bet, paying it or folding, and takes its turn; only then is it your move, and while no opponent has raised, %1 only checks.</source>
        <translation>Un rival que abre apuesta una apuesta pequeña. Los rivales que van después responden a esa apuesta y juegan su turno, y luego te toca a ti. Quien abre solo paga su apuesta de apertura cuando igualas o subes: entonces la responde como los demás, igualando o retirándose. Si te retiras enseguida, no la paga nunca. Cuando abres tú, no hay apuesta en pie, pero cada rival responde antes a una apuesta pequeña, pagándola o retirándose, y juega su turno; solo después te toca a ti, y mientras ningún rival haya subido, %1 solo pasa.</translation>
    </message>
    <message>
        <source>The first deal of a new match is opened by %1 without an opening bet: you move first and may check. After it the openers go on where they stood.</source>
        <translation>La primera mano de una partida nueva la abre %1 sin apuesta de apertura: juegas primero y puedes pasar. Después, los que abren siguen donde estaban.</translation>
    </message>
    <message>
        <source>When the opener folds, the next opponent after it who is still in the deal becomes the opener, or you, when none is left.</source>
        <translation>Cuando quien abre se retira, el siguiente rival después de él que sigue en la mano pasa a abrir, o tú, si no queda ninguno.</translation>
    </message>
    <message>
        <source>Your moves</source>
        <translation>Tus jugadas</translation>
    </message>
    <message>
        <source>%1, when no bet stands: you put nothing in, and the opponents take their turns, each checking or raising.</source>
        <translation>%1, cuando no hay apuesta en pie: no pones nada, y los rivales juegan su turno, cada uno pasando o subiendo.</translation>
    </message>
    <message>
        <source>%1, when a bet stands: you pay it. The opponents before the one who bet answer it too, and those after it take their turns.</source>
        <translation>%1, cuando hay una apuesta en pie: la pagas. Los rivales anteriores al que apostó también la responden, y los posteriores juegan su turno.</translation>
    </message>
    <message>
        <source>%1 (the button reads %2 after %3, until your first raise): you put in one unit. From the second street on every opponent still in answers it; on the first street only the opponents up to the one whose bet stands answer it, and nobody when no bet stands. Then the opponents take their turns. While an opponent's raise stands you cannot raise; you can only call or fold. On the first street you may also raise the opening bet.</source>
        <translation>%1 (el botón dice %2 después de %3, hasta tu primera subida): pones una unidad. Desde la segunda calle, cada rival que sigue en juego la responde; en la primera calle solo la responden los rivales hasta el que tiene la apuesta en pie, y nadie si no hay apuesta en pie. Luego los rivales juegan su turno. Mientras esté en pie la subida de un rival no puedes subir; solo igualar o retirarte. En la primera calle también puedes subir la apuesta de apertura.</translation>
    </message>
    <message>
        <source>%1: you give up the deal, and what you have put in stays in the pot. The showdown follows at once.</source>
        <translation>%1: abandonas la mano, y lo que has puesto se queda en el bote. El showdown llega enseguida.</translation>
    </message>
    <message>
        <source>The opponents answer a bet by calling or folding, and in their own turn they check or raise. When an opponent raises, the opponents after it answer at once, and then it is your move: call or fold. An opponent that cannot pay a bet in full folds. An opponent decides by chance, weighed by how strong it believes its hand to be; it looks only at its own cards.</source>
        <translation>Los rivales responden a una apuesta igualando o retirándose, y en su propio turno pasan o suben. Cuando un rival sube, los rivales que van después responden enseguida, y luego te toca: igualar o retirarte. Un rival que no puede pagar una apuesta entera se retira. Un rival decide al azar, según lo fuerte que cree su mano; solo mira sus propias cartas.</translation>
    </message>
    <message>
        <source>The end of a street</source>
        <translation>El final de una calle</translation>
    </message>
    <message>
        <source>A street ends when the turn comes round to the opener again: every player still in then gets the next card. On the first street your %1 or %2 also ends the street at once, wherever the opener sits.</source>
        <translation>Una calle termina cuando el turno vuelve a quien abre: cada jugador que sigue en juego recibe entonces la carta siguiente. En la primera calle, tu %1 o tu %2 también termina la calle enseguida, esté donde esté quien abre.</translation>
    </message>
    <message>
        <source>The end of a deal</source>
        <translation>El final de una mano</translation>
    </message>
    <message>
        <source>When every opponent has folded, you take the whole pot at once and nobody shows cards.</source>
        <translation>Cuando todos los rivales se han retirado, te llevas todo el bote enseguida y nadie muestra cartas.</translation>
    </message>
    <message>
        <source>After the betting on street %1 comes the showdown: every player still in shows all %2 cards, and the best hand takes the pot.</source>
        <translation>Tras las apuestas de la calle %1 llega el showdown: cada jugador que sigue en juego muestra sus %2 cartas, y la mejor jugada se lleva el bote.</translation>
    </message>
    <message>
        <source>When you fold, the deal is not played on: the showdown comes at once among the opponents still in, on all %1 of their cards, even those of streets that were never played.</source>
        <translation>Cuando te retiras, la mano no sigue: el showdown llega enseguida entre los rivales que siguen en juego, con sus %1 cartas, incluso las de calles que nunca se jugaron.</translation>
    </message>
    <message>
        <source>A player whose cash has run out during the deal (zero or below) cannot win it, even with the best hand. When nobody is left who can win the pot, %1 takes it all the same.</source>
        <translation>Un jugador que se ha quedado sin dinero durante la mano (cero o menos) no puede ganarla, ni con la mejor jugada. Si no queda nadie que pueda ganar el bote, se lo lleva %1 igualmente.</translation>
    </message>
    <message>
        <source>The pot</source>
        <translation>El bote</translation>
    </message>
    <message>
        <source>The best hand takes the whole pot. Hands that come out exactly equal by the hand rankings below share it: each gets the pot divided by the number of winners, in whole chips. What is left over, the odd chips, goes to nobody and leaves the game. Then %1 starts the next deal.</source>
        <translation>La mejor jugada se lleva todo el bote. Las jugadas exactamente iguales según el valor de las manos de abajo se lo reparten (bote dividido): cada una recibe el bote dividido por el número de ganadores, en fichas enteras. Lo que sobra, las fichas impares, no es para nadie y sale del juego. Después, %1 empieza la mano siguiente.</translation>
    </message>
    <message>
        <source>The end of a match</source>
        <translation>El final de una partida</translation>
    </message>
    <message>
        <source>The match ends when:</source>
        <translation>La partida termina cuando:</translation>
    </message>
    <message>
        <source>you have no cash left (zero or below) when you press %1: you lose;</source>
        <translation>no te queda dinero (cero o menos) al pulsar %1: pierdes;</translation>
    </message>
    <message>
        <source>no opponent has cash left when you press %1: you win;</source>
        <translation>a ningún rival le queda dinero al pulsar %1: ganas;</translation>
    </message>
    <message>
        <source>after a showdown a player holds %1 or more, the initial cash of %2 plus the %3 of “%4” in the options panel: that player wins the match.</source>
        <translation>tras un showdown un jugador tiene %1 o más, el dinero inicial de %2 más los %3 de «%4» en el panel de opciones: ese jugador gana la partida.</translation>
    </message>
    <message>
        <source>Then only %1 goes on. It asks first; then every player gets the amount in the options panel's “%2” box, the ante is taken, and a new deal starts with no bet standing. %1 starts a new match at any time in the same way.</source>
        <translation>Entonces solo se sigue con %1. Primero pregunta; luego cada jugador recibe la cantidad de la casilla «%2» del panel de opciones, se cobra el ante y empieza una mano nueva sin apuesta en pie. %1 empieza una partida nueva en cualquier momento del mismo modo.</translation>
    </message>
    <message>
        <source>The four levels</source>
        <translation>Los cuatro niveles</translation>
    </message>
    <message>
        <source>The level in the options panel (%1, %2, %3 or %4) sets how well the opponents judge their own hands. Before each decision an opponent plays its hand out against random hands, again and again: %5, %6, %7 or %8 times. The higher the level, the more trials, the less it is misled by chance, and the closer it plays to what its cards are worth. The level changes nothing else.</source>
        <translation>El nivel del panel de opciones (%1, %2, %3 o %4) fija lo bien que los rivales juzgan su propia mano. Antes de cada decisión, un rival juega su mano una y otra vez contra manos al azar: %5, %6, %7 o %8 veces. Cuanto más alto el nivel, más pruebas, menos le engaña el azar y más se ajusta su juego a lo que valen sus cartas. El nivel no cambia nada más.</translation>
    </message>
    <message>
        <source>What is kept between runs</source>
        <translation>Lo que se guarda entre sesiones</translation>
    </message>
    <message>
        <source>The game keeps in its settings file, %1: every player's cash as it stood when %2 was last pressed, the initial cash and the play-until amount as last confirmed with their buttons, the level, the card back and the sound switch. The betting limits are not kept: every run starts with an ante of %3, a small bet of %4 and a big bet of %5. A deal not finished when the game is closed is lost: the next run deals afresh from the cash before it.</source>
        <translation>El juego guarda en su archivo de ajustes, %1: el dinero de cada jugador tal como estaba al pulsar %2 por última vez, el dinero inicial y la cantidad objetivo tal como se confirmaron por última vez con sus botones, el nivel, el reverso de las cartas y el sonido. Los límites de apuesta no se guardan: cada sesión empieza con un ante de %3, una apuesta pequeña de %4 y una grande de %5. Una mano sin terminar al cerrar el juego se pierde: la sesión siguiente reparte de nuevo con el dinero de antes de ella.</translation>
    </message>
    <message>
        <source>Hand rankings</source>
        <translation>Valor de las manos</translation>
    </message>
    <message>
        <source>At the showdown every hand is judged on all %1 of its cards. These are the kinds of hands, the best first; a hand of a higher kind beats every hand of a lower kind. Cards rank from the Two, the lowest, to the Ace, the highest.</source>
        <translation>En el showdown cada mano se juzga por sus %1 cartas. Estas son las clases de jugadas, la mejor primero; una jugada de una clase más alta gana a cualquiera de una clase más baja. Las cartas van del dos, la más baja, al as, la más alta.</translation>
    </message>
    <message>
        <source>Two hands of the same kind are told apart by this game's own rules. In places they differ from the rules you may know from elsewhere; each place is named below.</source>
        <translation>Este juego desempata dos jugadas de la misma clase con reglas propias. En algunos puntos difieren de las que quizá conoces de otros sitios; cada punto se indica abajo.</translation>
    </message>
    <message>
        <source>a Two counts %1, a Three %2, and so on up to the Ace, %3</source>
        <translation>un dos vale %1, un tres %2, y así hasta el as, %3</translation>
    </message>
    <message>
        <source>So these two hands are equal and share the pot:</source>
        <translation>Así que estas dos manos son iguales y se reparten el bote:</translation>
    </message>
    <message>
        <source>So the first of these two hands beats the second:</source>
        <translation>Así que la primera de estas dos manos gana a la segunda:</translation>
    </message>
    <message>
        <source>Example: %1. The table shows it as “%2”.</source>
        <translation>Ejemplo: %1. La mesa la muestra como «%2».</translation>
    </message>
    <message>
        <source>Five cards of one suit in a row. All straight flushes are equal, whatever their highest card: two of them share the pot.</source>
        <translation>Cinco cartas de un mismo palo seguidas. Todas las escaleras de color son iguales, sea cual sea su carta más alta: dos de ellas se reparten el bote.</translation>
    </message>
    <message>
        <source>Unlike elsewhere, the game looks for a straight flush in one place only: it takes the lowest rank of the hand whose next rank is held too, in any suit, and the first card of that rank dealt, and the straight flush must run upwards from that very card. A straight flush anywhere else counts only as a flush, and so does Ace, Two, Three, Four, Five of one suit. For example, %1 is a flush: the table shows “%2”.</source>
        <translation>A diferencia de otros sitios, el juego busca la escalera de color en un solo lugar: toma el rango más bajo de la mano cuyo rango siguiente también está, en cualquier palo, y la primera carta repartida de ese rango, y la escalera de color debe subir desde esa misma carta. Una escalera de color en otro lugar cuenta solo como color, igual que as, dos, tres, cuatro, cinco de un palo. Por ejemplo, %1 es color: la mesa muestra «%2».</translation>
    </message>
    <message>
        <source>Four cards of one rank. The higher four wins.</source>
        <translation>Cuatro cartas de un mismo rango. Gana el póker más alto.</translation>
    </message>
    <message>
        <source>Three cards of one rank and two of another. The higher three wins.</source>
        <translation>Tres cartas de un rango y dos de otro. Gana el trío más alto.</translation>
    </message>
    <message>
        <source>Five cards of one suit. Unlike elsewhere, only the highest card of the suit counts: two flushes with the same highest card are equal and share the pot, whatever their other cards.</source>
        <translation>Cinco cartas de un mismo palo. A diferencia de otros sitios, solo cuenta la carta más alta del palo: dos colores con la misma carta más alta son iguales y se reparten el bote, sean cuales sean sus otras cartas.</translation>
    </message>
    <message>
        <source>Five cards of ranks in a row, in any suits. The higher top card wins; straights with the same top card share the pot. The Ace counts high, and low only in the lowest straight, Ace, Two, Three, Four, Five, which the table shows as “%1”.</source>
        <translation>Cinco cartas de rangos seguidos, de cualquier palo. Gana la carta más alta mayor; las escaleras con la misma carta más alta se reparten el bote. El as cuenta alto, y bajo solo en la escalera más baja, as, dos, tres, cuatro, cinco, que la mesa muestra como «%1».</translation>
    </message>
    <message>
        <source>Three cards of one rank. The higher three wins.</source>
        <translation>Tres cartas de un mismo rango. Gana el trío más alto.</translation>
    </message>
    <message>
        <source>Two pairs of different ranks. The higher top pair wins. With the same top pair, the game takes the value of the lower pair %1 times and adds the value of the best other card (%2); the higher sum wins, and equal sums share the pot. Unlike elsewhere, the lower pair does not always decide.</source>
        <translation>Dos parejas de rangos distintos. Gana la pareja alta mayor. Con la misma pareja alta, el juego toma %1 veces el valor de la pareja baja y suma el valor de la mejor otra carta (%2); gana la suma mayor, y las sumas iguales se reparten el bote. A diferencia de otros sitios, la pareja baja no siempre decide.</translation>
    </message>
    <message>
        <source>Two cards of one rank. The higher pair wins. With the same pair, the game adds up the values of the three best other cards (%1), the best counted %2 times, the second %3 times and the third once; the higher sum wins, and equal sums share the pot. Unlike elsewhere, the best other card does not always decide.</source>
        <translation>Dos cartas de un mismo rango. Gana la pareja más alta. Con la misma pareja, el juego suma los valores de las tres mejores otras cartas (%1), la mejor contada %2 veces, la segunda %3 veces y la tercera una vez; gana la suma mayor, y las sumas iguales se reparten el bote. A diferencia de otros sitios, la mejor otra carta no siempre decide.</translation>
    </message>
    <message>
        <source>None of the above. The highest card wins. With the same highest card, the game takes the value of the next card %1 times and adds the value of the third (%2); the higher sum wins. Unlike elsewhere, only these three cards count: hands alike in them share the pot, whatever their other cards.</source>
        <translation>Nada de lo anterior. Gana la carta más alta. Con la misma carta más alta, el juego toma %1 veces el valor de la carta siguiente y suma el valor de la tercera (%2); gana la suma mayor. A diferencia de otros sitios, solo cuentan estas tres cartas: las manos iguales en ellas se reparten el bote, sean cuales sean sus otras cartas.</translation>
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
