<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en">
<context>
    <name>Game</name>
    <message>
        <source>Raise</source>
        <translation>Relancer</translation>
    </message>
    <message>
        <source>Bet</source>
        <translation>Miser</translation>
    </message>
    <message>
        <source>Call</source>
        <translation>Suivre</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Parole</translation>
    </message>
    <message>
        <source>Fold</source>
        <translation>Se coucher</translation>
    </message>
    <message>
        <source>Deal</source>
        <translation>Donner</translation>
    </message>
    <message>
        <source>Calls</source>
        <translation>Suit</translation>
    </message>
    <message>
        <source>Checks</source>
        <translation>Parole</translation>
    </message>
    <message>
        <source>Raises</source>
        <translation>Relance</translation>
    </message>
    <message>
        <source>Folds</source>
        <translation>Se couche</translation>
    </message>
    <message>
        <source>you fold</source>
        <translation>Vous vous couchez</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Activé</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Désactivé</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <translation>Êtes-vous sûr ?</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Nouvelle partie</translation>
    </message>
    <message>
        <source>Game over</source>
        <translation>Partie terminée</translation>
    </message>
    <message>
        <source>You win!</source>
        <translation>Vous avez gagné !</translation>
    </message>
    <message>
        <source>You lose!</source>
        <translation>Vous avez perdu !</translation>
    </message>
    <message>
        <source>Freak wins</source>
        <translation>Peter a gagné</translation>
    </message>
    <message>
        <source>Geek wins</source>
        <translation>Anna a gagné</translation>
    </message>
    <message>
        <source>Master wins</source>
        <translation>George a gagné</translation>
    </message>
    <message>
        <source>Champ wins</source>
        <translation>Maria a gagné</translation>
    </message>
    <message>
        <source>Invalid value</source>
        <translation>Valeur non valide</translation>
    </message>
    <message>
        <source>the value is off limits</source>
        <translation>La valeur est hors limites.</translation>
    </message>
    <message>
        <source>New initial cash value confirmation</source>
        <translation>Capital de départ enregistré</translation>
    </message>
    <message>
        <source>New until value confirmation</source>
        <translation>Gain visé enregistré</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>Impossible d&apos;écrire dans %1</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>« %1 » n&apos;est pas un nombre entier valide</translation>
    </message>
    <message>
        <source>One pair Twos</source>
        <translation>Une paire de deux</translation>
    </message>
    <message>
        <source>One pair Threes</source>
        <translation>Une paire de trois</translation>
    </message>
    <message>
        <source>One pair Fours</source>
        <translation>Une paire de quatre</translation>
    </message>
    <message>
        <source>One pair Fives</source>
        <translation>Une paire de cinq</translation>
    </message>
    <message>
        <source>One pair Sixes</source>
        <translation>Une paire de six</translation>
    </message>
    <message>
        <source>One pair Sevens</source>
        <translation>Une paire de sept</translation>
    </message>
    <message>
        <source>One pair Eights</source>
        <translation>Une paire de huit</translation>
    </message>
    <message>
        <source>One pair Nines</source>
        <translation>Une paire de neuf</translation>
    </message>
    <message>
        <source>One pair Tens</source>
        <translation>Une paire de dix</translation>
    </message>
    <message>
        <source>One pair Jacks</source>
        <translation>Une paire de valets</translation>
    </message>
    <message>
        <source>One pair Queens</source>
        <translation>Une paire de dames</translation>
    </message>
    <message>
        <source>One pair Kings</source>
        <translation>Une paire de rois</translation>
    </message>
    <message>
        <source>One pair Aces</source>
        <translation>Une paire d&apos;as</translation>
    </message>
    <message>
        <source>Two pairs Threes</source>
        <translation>Deux paires aux trois</translation>
    </message>
    <message>
        <source>Two pairs Fours</source>
        <translation>Deux paires aux quatre</translation>
    </message>
    <message>
        <source>Two pairs Fives</source>
        <translation>Deux paires aux cinq</translation>
    </message>
    <message>
        <source>Two pairs Sixes</source>
        <translation>Deux paires aux six</translation>
    </message>
    <message>
        <source>Two pairs Sevens</source>
        <translation>Deux paires aux sept</translation>
    </message>
    <message>
        <source>Two pairs Eights</source>
        <translation>Deux paires aux huit</translation>
    </message>
    <message>
        <source>Two pairs Nines</source>
        <translation>Deux paires aux neuf</translation>
    </message>
    <message>
        <source>Two pairs Tens</source>
        <translation>Deux paires aux dix</translation>
    </message>
    <message>
        <source>Two pairs Jacks</source>
        <translation>Deux paires aux valets</translation>
    </message>
    <message>
        <source>Two pairs Queens</source>
        <translation>Deux paires aux dames</translation>
    </message>
    <message>
        <source>Two pairs Kings</source>
        <translation>Deux paires aux rois</translation>
    </message>
    <message>
        <source>Two pairs Aces</source>
        <translation>Deux paires aux as</translation>
    </message>
    <message>
        <source>Three Twos</source>
        <translation>Brelan de deux</translation>
    </message>
    <message>
        <source>Three Threes</source>
        <translation>Brelan de trois</translation>
    </message>
    <message>
        <source>Three Fours</source>
        <translation>Brelan de quatre</translation>
    </message>
    <message>
        <source>Three Fives</source>
        <translation>Brelan de cinq</translation>
    </message>
    <message>
        <source>Three Sixes</source>
        <translation>Brelan de six</translation>
    </message>
    <message>
        <source>Three Sevens</source>
        <translation>Brelan de sept</translation>
    </message>
    <message>
        <source>Three Eights</source>
        <translation>Brelan de huit</translation>
    </message>
    <message>
        <source>Three Nines</source>
        <translation>Brelan de neuf</translation>
    </message>
    <message>
        <source>Three Tens</source>
        <translation>Brelan de dix</translation>
    </message>
    <message>
        <source>Three Jacks</source>
        <translation>Brelan de valets</translation>
    </message>
    <message>
        <source>Three Queens</source>
        <translation>Brelan de dames</translation>
    </message>
    <message>
        <source>Three Kings</source>
        <translation>Brelan de rois</translation>
    </message>
    <message>
        <source>Three Aces</source>
        <translation>Brelan d&apos;as</translation>
    </message>
    <message>
        <source>Straight Six High</source>
        <translation>Quinte au six</translation>
    </message>
    <message>
        <source>Straight Seven High</source>
        <translation>Quinte au sept</translation>
    </message>
    <message>
        <source>Straight Eight High</source>
        <translation>Quinte au huit</translation>
    </message>
    <message>
        <source>Straight Nine High</source>
        <translation>Quinte au neuf</translation>
    </message>
    <message>
        <source>Straight Ten High</source>
        <translation>Quinte au dix</translation>
    </message>
    <message>
        <source>Straight Jack High</source>
        <translation>Quinte au valet</translation>
    </message>
    <message>
        <source>Straight Queen High</source>
        <translation>Quinte à la dame</translation>
    </message>
    <message>
        <source>Straight King High</source>
        <translation>Quinte au roi</translation>
    </message>
    <message>
        <source>Straight Ace High</source>
        <translation>Quinte à l&apos;as</translation>
    </message>
    <message>
        <source>Flush Six High</source>
        <translation>Couleur au six</translation>
    </message>
    <message>
        <source>Flush Seven High</source>
        <translation>Couleur au sept</translation>
    </message>
    <message>
        <source>Flush Eight High</source>
        <translation>Couleur au huit</translation>
    </message>
    <message>
        <source>Flush Nine High</source>
        <translation>Couleur au neuf</translation>
    </message>
    <message>
        <source>Flush Ten High</source>
        <translation>Couleur au dix</translation>
    </message>
    <message>
        <source>Flush Jack High</source>
        <translation>Couleur au valet</translation>
    </message>
    <message>
        <source>Flush Queen High</source>
        <translation>Couleur à la dame</translation>
    </message>
    <message>
        <source>Flush King High</source>
        <translation>Couleur au roi</translation>
    </message>
    <message>
        <source>Flush Ace High</source>
        <translation>Couleur à l&apos;as</translation>
    </message>
    <message>
        <source>Full house Twos</source>
        <translation>Full aux deux</translation>
    </message>
    <message>
        <source>Full house Threes</source>
        <translation>Full aux trois</translation>
    </message>
    <message>
        <source>Full house Fours</source>
        <translation>Full aux quatre</translation>
    </message>
    <message>
        <source>Full house Fives</source>
        <translation>Full aux cinq</translation>
    </message>
    <message>
        <source>Full house Sixes</source>
        <translation>Full aux six</translation>
    </message>
    <message>
        <source>Full house Sevens</source>
        <translation>Full aux sept</translation>
    </message>
    <message>
        <source>Full house Eights</source>
        <translation>Full aux huit</translation>
    </message>
    <message>
        <source>Full house Nines</source>
        <translation>Full aux neuf</translation>
    </message>
    <message>
        <source>Full house Tens</source>
        <translation>Full aux dix</translation>
    </message>
    <message>
        <source>Full house Jacks</source>
        <translation>Full aux valets</translation>
    </message>
    <message>
        <source>Full house Queens</source>
        <translation>Full aux dames</translation>
    </message>
    <message>
        <source>Full house Kings</source>
        <translation>Full aux rois</translation>
    </message>
    <message>
        <source>Full house Aces</source>
        <translation>Full aux as</translation>
    </message>
    <message>
        <source>Four Twos</source>
        <translation>Carré de deux</translation>
    </message>
    <message>
        <source>Four Threes</source>
        <translation>Carré de trois</translation>
    </message>
    <message>
        <source>Four Fours</source>
        <translation>Carré de quatre</translation>
    </message>
    <message>
        <source>Four Fives</source>
        <translation>Carré de cinq</translation>
    </message>
    <message>
        <source>Four Sixes</source>
        <translation>Carré de six</translation>
    </message>
    <message>
        <source>Four Sevens</source>
        <translation>Carré de sept</translation>
    </message>
    <message>
        <source>Four Eights</source>
        <translation>Carré de huit</translation>
    </message>
    <message>
        <source>Four Nines</source>
        <translation>Carré de neuf</translation>
    </message>
    <message>
        <source>Four Tens</source>
        <translation>Carré de dix</translation>
    </message>
    <message>
        <source>Four Jacks</source>
        <translation>Carré de valets</translation>
    </message>
    <message>
        <source>Four Queens</source>
        <translation>Carré de dames</translation>
    </message>
    <message>
        <source>Four Kings</source>
        <translation>Carré de rois</translation>
    </message>
    <message>
        <source>Four Aces</source>
        <translation>Carré d&apos;as</translation>
    </message>
    <message>
        <source>Four</source>
        <translation>Hauteur quatre</translation>
    </message>
    <message>
        <source>Five</source>
        <translation>Hauteur cinq</translation>
    </message>
    <message>
        <source>Six</source>
        <translation>Hauteur six</translation>
    </message>
    <message>
        <source>Seven</source>
        <translation>Hauteur sept</translation>
    </message>
    <message>
        <source>Eight</source>
        <translation>Hauteur huit</translation>
    </message>
    <message>
        <source>Nine</source>
        <translation>Hauteur neuf</translation>
    </message>
    <message>
        <source>Ten</source>
        <translation>Hauteur dix</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>Hauteur valet</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>Hauteur dame</translation>
    </message>
    <message>
        <source>King</source>
        <translation>Hauteur roi</translation>
    </message>
    <message>
        <source>Ace</source>
        <translation>Hauteur as</translation>
    </message>
    <message>
        <source>Straight flush</source>
        <translation>Quinte flush</translation>
    </message>
    <message>
        <source>Straight Five High</source>
        <translation>Quinte au cinq</translation>
    </message>
</context>
<context>
    <name>Cards</name>
    <message>
        <source>Two of clubs</source>
        <translation>Deux de trèfle</translation>
    </message>
    <message>
        <source>Three of clubs</source>
        <translation>Trois de trèfle</translation>
    </message>
    <message>
        <source>Four of clubs</source>
        <translation>Quatre de trèfle</translation>
    </message>
    <message>
        <source>Five of clubs</source>
        <translation>Cinq de trèfle</translation>
    </message>
    <message>
        <source>Six of clubs</source>
        <translation>Six de trèfle</translation>
    </message>
    <message>
        <source>Seven of clubs</source>
        <translation>Sept de trèfle</translation>
    </message>
    <message>
        <source>Eight of clubs</source>
        <translation>Huit de trèfle</translation>
    </message>
    <message>
        <source>Nine of clubs</source>
        <translation>Neuf de trèfle</translation>
    </message>
    <message>
        <source>Ten of clubs</source>
        <translation>Dix de trèfle</translation>
    </message>
    <message>
        <source>Jack of clubs</source>
        <translation>Valet de trèfle</translation>
    </message>
    <message>
        <source>Queen of clubs</source>
        <translation>Dame de trèfle</translation>
    </message>
    <message>
        <source>King of clubs</source>
        <translation>Roi de trèfle</translation>
    </message>
    <message>
        <source>Ace of clubs</source>
        <translation>As de trèfle</translation>
    </message>
    <message>
        <source>Two of diamonds</source>
        <translation>Deux de carreau</translation>
    </message>
    <message>
        <source>Three of diamonds</source>
        <translation>Trois de carreau</translation>
    </message>
    <message>
        <source>Four of diamonds</source>
        <translation>Quatre de carreau</translation>
    </message>
    <message>
        <source>Five of diamonds</source>
        <translation>Cinq de carreau</translation>
    </message>
    <message>
        <source>Six of diamonds</source>
        <translation>Six de carreau</translation>
    </message>
    <message>
        <source>Seven of diamonds</source>
        <translation>Sept de carreau</translation>
    </message>
    <message>
        <source>Eight of diamonds</source>
        <translation>Huit de carreau</translation>
    </message>
    <message>
        <source>Nine of diamonds</source>
        <translation>Neuf de carreau</translation>
    </message>
    <message>
        <source>Ten of diamonds</source>
        <translation>Dix de carreau</translation>
    </message>
    <message>
        <source>Jack of diamonds</source>
        <translation>Valet de carreau</translation>
    </message>
    <message>
        <source>Queen of diamonds</source>
        <translation>Dame de carreau</translation>
    </message>
    <message>
        <source>King of diamonds</source>
        <translation>Roi de carreau</translation>
    </message>
    <message>
        <source>Ace of diamonds</source>
        <translation>As de carreau</translation>
    </message>
    <message>
        <source>Two of hearts</source>
        <translation>Deux de cœur</translation>
    </message>
    <message>
        <source>Three of hearts</source>
        <translation>Trois de cœur</translation>
    </message>
    <message>
        <source>Four of hearts</source>
        <translation>Quatre de cœur</translation>
    </message>
    <message>
        <source>Five of hearts</source>
        <translation>Cinq de cœur</translation>
    </message>
    <message>
        <source>Six of hearts</source>
        <translation>Six de cœur</translation>
    </message>
    <message>
        <source>Seven of hearts</source>
        <translation>Sept de cœur</translation>
    </message>
    <message>
        <source>Eight of hearts</source>
        <translation>Huit de cœur</translation>
    </message>
    <message>
        <source>Nine of hearts</source>
        <translation>Neuf de cœur</translation>
    </message>
    <message>
        <source>Ten of hearts</source>
        <translation>Dix de cœur</translation>
    </message>
    <message>
        <source>Jack of hearts</source>
        <translation>Valet de cœur</translation>
    </message>
    <message>
        <source>Queen of hearts</source>
        <translation>Dame de cœur</translation>
    </message>
    <message>
        <source>King of hearts</source>
        <translation>Roi de cœur</translation>
    </message>
    <message>
        <source>Ace of hearts</source>
        <translation>As de cœur</translation>
    </message>
    <message>
        <source>Two of spades</source>
        <translation>Deux de pique</translation>
    </message>
    <message>
        <source>Three of spades</source>
        <translation>Trois de pique</translation>
    </message>
    <message>
        <source>Four of spades</source>
        <translation>Quatre de pique</translation>
    </message>
    <message>
        <source>Five of spades</source>
        <translation>Cinq de pique</translation>
    </message>
    <message>
        <source>Six of spades</source>
        <translation>Six de pique</translation>
    </message>
    <message>
        <source>Seven of spades</source>
        <translation>Sept de pique</translation>
    </message>
    <message>
        <source>Eight of spades</source>
        <translation>Huit de pique</translation>
    </message>
    <message>
        <source>Nine of spades</source>
        <translation>Neuf de pique</translation>
    </message>
    <message>
        <source>Ten of spades</source>
        <translation>Dix de pique</translation>
    </message>
    <message>
        <source>Jack of spades</source>
        <translation>Valet de pique</translation>
    </message>
    <message>
        <source>Queen of spades</source>
        <translation>Dame de pique</translation>
    </message>
    <message>
        <source>King of spades</source>
        <translation>Roi de pique</translation>
    </message>
    <message>
        <source>Ace of spades</source>
        <translation>As de pique</translation>
    </message>
</context>
<context>
    <name>TableSpeech</name>
    <message>
        <source>You</source>
        <translation>Vous</translation>
    </message>
    <message>
        <source>no cards</source>
        <translation>aucune carte</translation>
    </message>
    <message>
        <source>one card face down</source>
        <translation>une carte face cachée</translation>
    </message>
    <message>
        <source>two cards face down</source>
        <translation>deux cartes face cachée</translation>
    </message>
    <message>
        <source>three cards face down</source>
        <translation>trois cartes face cachée</translation>
    </message>
    <message>
        <source>Your cards: %1</source>
        <translation>Vos cartes : %1</translation>
    </message>
    <message>
        <source>Peter&apos;s cards: %1</source>
        <translation>Cartes de Peter : %1</translation>
    </message>
    <message>
        <source>Anna&apos;s cards: %1</source>
        <translation>Cartes d&apos;Anna : %1</translation>
    </message>
    <message>
        <source>George&apos;s cards: %1</source>
        <translation>Cartes de George : %1</translation>
    </message>
    <message>
        <source>Maria&apos;s cards: %1</source>
        <translation>Cartes de Maria : %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>raises</source>
        <translation>relance</translation>
    </message>
    <message>
        <source>calls</source>
        <translation>suit</translation>
    </message>
    <message>
        <source>checks</source>
        <translation>parole</translation>
    </message>
    <message>
        <source>folds</source>
        <translation>se couche</translation>
    </message>
    <message>
        <source>you fold</source>
        <translation>vous vous couchez</translation>
    </message>
    <message>
        <source>New deal</source>
        <translation>Nouvelle donne</translation>
    </message>
    <message>
        <source>Fourth street</source>
        <translation>Quatrième rue</translation>
    </message>
    <message>
        <source>Fifth street</source>
        <translation>Cinquième rue</translation>
    </message>
    <message>
        <source>Sixth street</source>
        <translation>Sixième rue</translation>
    </message>
    <message>
        <source>Seventh street</source>
        <translation>Septième rue</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>You get %1</source>
        <translation>Vous recevez : %1</translation>
    </message>
    <message>
        <source>%1 shows %2</source>
        <translation>%1 montre : %2</translation>
    </message>
    <message>
        <source>%1 gets a card face down</source>
        <translation>%1 reçoit une carte face cachée</translation>
    </message>
    <message>
        <source>%1 get a card face down</source>
        <translation>Une carte face cachée pour %1</translation>
    </message>
    <message>
        <source>%1 raises</source>
        <translation>%1 relance</translation>
    </message>
    <message>
        <source>%1 calls</source>
        <translation>%1 suit</translation>
    </message>
    <message>
        <source>%1 checks</source>
        <translation>%1 dit parole</translation>
    </message>
    <message>
        <source>%1 folds</source>
        <translation>%1 se couche</translation>
    </message>
    <message>
        <source>Showdown: %1</source>
        <translation>Abattage : %1</translation>
    </message>
    <message>
        <source>You have %1</source>
        <translation>Vous avez %1</translation>
    </message>
    <message>
        <source>%1 has %2</source>
        <translation>%1 a %2</translation>
    </message>
    <message>
        <source>You win %1</source>
        <translation>Vous gagnez %1</translation>
    </message>
    <message>
        <source>%1 wins %2</source>
        <translation>%1 gagne %2</translation>
    </message>
    <message>
        <source>You win %1 with %2</source>
        <translation>Vous avez %2 et gagnez %1</translation>
    </message>
    <message>
        <source>%1 wins %2 with %3</source>
        <translation>%1 a %3 et gagne %2</translation>
    </message>
    <message>
        <source>Split pot: %1</source>
        <translation>Pot partagé : %1</translation>
    </message>
    <message>
        <source>Everybody else has folded: you take the pot of %1</source>
        <translation>Tous les autres se sont couchés : vous remportez le pot de %1</translation>
    </message>
    <message>
        <source>Pot %1</source>
        <translation>Pot %1</translation>
    </message>
    <message>
        <source>%1 to call</source>
        <translation>%1 pour suivre</translation>
    </message>
    <message>
        <source>nothing to call</source>
        <translation>rien à suivre</translation>
    </message>
    <message>
        <source>Deal over</source>
        <translation>Donne terminée</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 et %2</translation>
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
        <translation>quatre cartes face cachée</translation>
    </message>
    <message>
        <source>five cards face down</source>
        <translation>cinq cartes face cachée</translation>
    </message>
    <message>
        <source>six cards face down</source>
        <translation>six cartes face cachée</translation>
    </message>
    <message>
        <source>seven cards face down</source>
        <translation>sept cartes face cachée</translation>
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
        <translation>une paire de deux</translation>
    </message>
    <message>
        <source>One pair Threes</source>
        <translation>une paire de trois</translation>
    </message>
    <message>
        <source>One pair Fours</source>
        <translation>une paire de quatre</translation>
    </message>
    <message>
        <source>One pair Fives</source>
        <translation>une paire de cinq</translation>
    </message>
    <message>
        <source>One pair Sixes</source>
        <translation>une paire de six</translation>
    </message>
    <message>
        <source>One pair Sevens</source>
        <translation>une paire de sept</translation>
    </message>
    <message>
        <source>One pair Eights</source>
        <translation>une paire de huit</translation>
    </message>
    <message>
        <source>One pair Nines</source>
        <translation>une paire de neuf</translation>
    </message>
    <message>
        <source>One pair Tens</source>
        <translation>une paire de dix</translation>
    </message>
    <message>
        <source>One pair Jacks</source>
        <translation>une paire de valets</translation>
    </message>
    <message>
        <source>One pair Queens</source>
        <translation>une paire de dames</translation>
    </message>
    <message>
        <source>One pair Kings</source>
        <translation>une paire de rois</translation>
    </message>
    <message>
        <source>One pair Aces</source>
        <translation>une paire d&apos;as</translation>
    </message>
    <message>
        <source>Two pairs Threes</source>
        <translation>deux paires aux trois</translation>
    </message>
    <message>
        <source>Two pairs Fours</source>
        <translation>deux paires aux quatre</translation>
    </message>
    <message>
        <source>Two pairs Fives</source>
        <translation>deux paires aux cinq</translation>
    </message>
    <message>
        <source>Two pairs Sixes</source>
        <translation>deux paires aux six</translation>
    </message>
    <message>
        <source>Two pairs Sevens</source>
        <translation>deux paires aux sept</translation>
    </message>
    <message>
        <source>Two pairs Eights</source>
        <translation>deux paires aux huit</translation>
    </message>
    <message>
        <source>Two pairs Nines</source>
        <translation>deux paires aux neuf</translation>
    </message>
    <message>
        <source>Two pairs Tens</source>
        <translation>deux paires aux dix</translation>
    </message>
    <message>
        <source>Two pairs Jacks</source>
        <translation>deux paires aux valets</translation>
    </message>
    <message>
        <source>Two pairs Queens</source>
        <translation>deux paires aux dames</translation>
    </message>
    <message>
        <source>Two pairs Kings</source>
        <translation>deux paires aux rois</translation>
    </message>
    <message>
        <source>Two pairs Aces</source>
        <translation>deux paires aux as</translation>
    </message>
    <message>
        <source>Three Twos</source>
        <translation>brelan de deux</translation>
    </message>
    <message>
        <source>Three Threes</source>
        <translation>brelan de trois</translation>
    </message>
    <message>
        <source>Three Fours</source>
        <translation>brelan de quatre</translation>
    </message>
    <message>
        <source>Three Fives</source>
        <translation>brelan de cinq</translation>
    </message>
    <message>
        <source>Three Sixes</source>
        <translation>brelan de six</translation>
    </message>
    <message>
        <source>Three Sevens</source>
        <translation>brelan de sept</translation>
    </message>
    <message>
        <source>Three Eights</source>
        <translation>brelan de huit</translation>
    </message>
    <message>
        <source>Three Nines</source>
        <translation>brelan de neuf</translation>
    </message>
    <message>
        <source>Three Tens</source>
        <translation>brelan de dix</translation>
    </message>
    <message>
        <source>Three Jacks</source>
        <translation>brelan de valets</translation>
    </message>
    <message>
        <source>Three Queens</source>
        <translation>brelan de dames</translation>
    </message>
    <message>
        <source>Three Kings</source>
        <translation>brelan de rois</translation>
    </message>
    <message>
        <source>Three Aces</source>
        <translation>brelan d&apos;as</translation>
    </message>
    <message>
        <source>Straight Six High</source>
        <translation>quinte au six</translation>
    </message>
    <message>
        <source>Straight Seven High</source>
        <translation>quinte au sept</translation>
    </message>
    <message>
        <source>Straight Eight High</source>
        <translation>quinte au huit</translation>
    </message>
    <message>
        <source>Straight Nine High</source>
        <translation>quinte au neuf</translation>
    </message>
    <message>
        <source>Straight Ten High</source>
        <translation>quinte au dix</translation>
    </message>
    <message>
        <source>Straight Jack High</source>
        <translation>quinte au valet</translation>
    </message>
    <message>
        <source>Straight Queen High</source>
        <translation>quinte à la dame</translation>
    </message>
    <message>
        <source>Straight King High</source>
        <translation>quinte au roi</translation>
    </message>
    <message>
        <source>Straight Ace High</source>
        <translation>quinte à l&apos;as</translation>
    </message>
    <message>
        <source>Flush Six High</source>
        <translation>couleur au six</translation>
    </message>
    <message>
        <source>Flush Seven High</source>
        <translation>couleur au sept</translation>
    </message>
    <message>
        <source>Flush Eight High</source>
        <translation>couleur au huit</translation>
    </message>
    <message>
        <source>Flush Nine High</source>
        <translation>couleur au neuf</translation>
    </message>
    <message>
        <source>Flush Ten High</source>
        <translation>couleur au dix</translation>
    </message>
    <message>
        <source>Flush Jack High</source>
        <translation>couleur au valet</translation>
    </message>
    <message>
        <source>Flush Queen High</source>
        <translation>couleur à la dame</translation>
    </message>
    <message>
        <source>Flush King High</source>
        <translation>couleur au roi</translation>
    </message>
    <message>
        <source>Flush Ace High</source>
        <translation>couleur à l&apos;as</translation>
    </message>
    <message>
        <source>Full house Twos</source>
        <translation>full aux deux</translation>
    </message>
    <message>
        <source>Full house Threes</source>
        <translation>full aux trois</translation>
    </message>
    <message>
        <source>Full house Fours</source>
        <translation>full aux quatre</translation>
    </message>
    <message>
        <source>Full house Fives</source>
        <translation>full aux cinq</translation>
    </message>
    <message>
        <source>Full house Sixes</source>
        <translation>full aux six</translation>
    </message>
    <message>
        <source>Full house Sevens</source>
        <translation>full aux sept</translation>
    </message>
    <message>
        <source>Full house Eights</source>
        <translation>full aux huit</translation>
    </message>
    <message>
        <source>Full house Nines</source>
        <translation>full aux neuf</translation>
    </message>
    <message>
        <source>Full house Tens</source>
        <translation>full aux dix</translation>
    </message>
    <message>
        <source>Full house Jacks</source>
        <translation>full aux valets</translation>
    </message>
    <message>
        <source>Full house Queens</source>
        <translation>full aux dames</translation>
    </message>
    <message>
        <source>Full house Kings</source>
        <translation>full aux rois</translation>
    </message>
    <message>
        <source>Full house Aces</source>
        <translation>full aux as</translation>
    </message>
    <message>
        <source>Four Twos</source>
        <translation>carré de deux</translation>
    </message>
    <message>
        <source>Four Threes</source>
        <translation>carré de trois</translation>
    </message>
    <message>
        <source>Four Fours</source>
        <translation>carré de quatre</translation>
    </message>
    <message>
        <source>Four Fives</source>
        <translation>carré de cinq</translation>
    </message>
    <message>
        <source>Four Sixes</source>
        <translation>carré de six</translation>
    </message>
    <message>
        <source>Four Sevens</source>
        <translation>carré de sept</translation>
    </message>
    <message>
        <source>Four Eights</source>
        <translation>carré de huit</translation>
    </message>
    <message>
        <source>Four Nines</source>
        <translation>carré de neuf</translation>
    </message>
    <message>
        <source>Four Tens</source>
        <translation>carré de dix</translation>
    </message>
    <message>
        <source>Four Jacks</source>
        <translation>carré de valets</translation>
    </message>
    <message>
        <source>Four Queens</source>
        <translation>carré de dames</translation>
    </message>
    <message>
        <source>Four Kings</source>
        <translation>carré de rois</translation>
    </message>
    <message>
        <source>Four Aces</source>
        <translation>carré d&apos;as</translation>
    </message>
    <message>
        <source>Four</source>
        <translation>hauteur quatre</translation>
    </message>
    <message>
        <source>Five</source>
        <translation>hauteur cinq</translation>
    </message>
    <message>
        <source>Six</source>
        <translation>hauteur six</translation>
    </message>
    <message>
        <source>Seven</source>
        <translation>hauteur sept</translation>
    </message>
    <message>
        <source>Eight</source>
        <translation>hauteur huit</translation>
    </message>
    <message>
        <source>Nine</source>
        <translation>hauteur neuf</translation>
    </message>
    <message>
        <source>Ten</source>
        <translation>hauteur dix</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>hauteur valet</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>hauteur dame</translation>
    </message>
    <message>
        <source>King</source>
        <translation>hauteur roi</translation>
    </message>
    <message>
        <source>Ace</source>
        <translation>hauteur as</translation>
    </message>
    <message>
        <source>Straight flush</source>
        <translation>quinte flush</translation>
    </message>
    <message>
        <source>Straight Five High</source>
        <translation>quinte au cinq</translation>
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
        <translation> ; </translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 ; %2</translation>
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
        <translation>Vous :</translation>
    </message>
    <message>
        <source>Peter:</source>
        <translation>Peter :</translation>
    </message>
    <message>
        <source>Anna:</source>
        <translation>Anna :</translation>
    </message>
    <message>
        <source>George:</source>
        <translation>George :</translation>
    </message>
    <message>
        <source>Maria:</source>
        <translation>Maria :</translation>
    </message>
    <message>
        <source>Your cash</source>
        <translation>Votre argent</translation>
    </message>
    <message>
        <source>Peter&apos;s cash</source>
        <translation>Argent de Peter</translation>
    </message>
    <message>
        <source>Anna&apos;s cash</source>
        <translation>Argent d&apos;Anna</translation>
    </message>
    <message>
        <source>George&apos;s cash</source>
        <translation>Argent de George</translation>
    </message>
    <message>
        <source>Maria&apos;s cash</source>
        <translation>Argent de Maria</translation>
    </message>
    <message>
        <source>Your status</source>
        <translation>Votre statut</translation>
    </message>
    <message>
        <source>Peter&apos;s status</source>
        <translation>Statut de Peter</translation>
    </message>
    <message>
        <source>Anna&apos;s status</source>
        <translation>Statut d&apos;Anna</translation>
    </message>
    <message>
        <source>George&apos;s status</source>
        <translation>Statut de George</translation>
    </message>
    <message>
        <source>Maria&apos;s status</source>
        <translation>Statut de Maria</translation>
    </message>
    <message>
        <source>Pot</source>
        <translation>Pot</translation>
    </message>
    <message>
        <source>Raise</source>
        <translation>Relancer</translation>
    </message>
    <message>
        <source>Fold</source>
        <translation>Se coucher</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Parole</translation>
    </message>
    <message>
        <source>Deal</source>
        <translation>Donner</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Rejouer</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Une erreur inattendue s&apos;est produite.</translation>
    </message>
</context>
<context>
    <name>OptionsPanel</name>
    <message>
        <source>Initial cash</source>
        <translation>Capital de départ</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Valider</translation>
    </message>
    <message>
        <source>Enter initial cash</source>
        <translation>Valider le capital de départ</translation>
    </message>
    <message>
        <source>Play until </source>
        <translation>Jouer jusqu&apos;à </translation>
    </message>
    <message>
        <source>someone wins</source>
        <translation>un gain de</translation>
    </message>
    <message>
        <source>Play until someone wins</source>
        <translation>Jouer jusqu&apos;à un gain de</translation>
    </message>
    <message>
        <source>Enter play-until amount</source>
        <translation>Valider le gain visé</translation>
    </message>
    <message>
        <source>AI level</source>
        <translation>Niveau de l&apos;IA</translation>
    </message>
    <message>
        <source>Amateur</source>
        <translation>Amateur</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Expert</translation>
    </message>
    <message>
        <source>Master</source>
        <translation>Maître</translation>
    </message>
    <message>
        <source>Genius</source>
        <translation>Génie</translation>
    </message>
    <message>
        <source>Betting limits</source>
        <translation>Limites de mise</translation>
    </message>
    <message>
        <source>Ante:</source>
        <translation>Ante :</translation>
    </message>
    <message>
        <source>Small bet:</source>
        <translation>Petite mise :</translation>
    </message>
    <message>
        <source>Big bet:</source>
        <translation>Grosse mise :</translation>
    </message>
    <message>
        <source>Card Back</source>
        <translation>Dos des cartes</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Son</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Activé</translation>
    </message>
    <message>
        <source>Sound %1</source>
        <translation>Son %1</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Closes the options</source>
        <translation>Ferme les options</translation>
    </message>
    <message>
        <source>Ante</source>
        <translation>Ante</translation>
    </message>
    <message>
        <source>Small bet</source>
        <translation>Petite mise</translation>
    </message>
    <message>
        <source>Big bet</source>
        <translation>Grosse mise</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>Ante %1, small bet %2, big bet %3</source>
        <translation>Ante %1, petite mise %2, grosse mise %3</translation>
    </message>
    <message>
        <source>$%1</source>
        <extracomment>An amount in dollars on the options panel; the number goes in for %1.</extracomment>
        <translation>%1 $</translation>
    </message>
</context>
<context>
    <name>AboutBox</name>
    <message>
        <source>About Seven Stud</source>
        <translation>À propos de Seven Stud</translation>
    </message>
    <message>
        <source>About picture</source>
        <translation>Image de la fenêtre « À propos »</translation>
    </message>
    <message>
        <source>A parchment scroll with the betting rules, a glossary and the credits</source>
        <translation>Un parchemin avec les règles de mise, un lexique et les crédits</translation>
    </message>
    <message>
        <source>Seven Stud. Seven-card stud poker. Version 1.0.
Bets are small in the first two rounds and big in the later rounds.
Check: stay in without betting. Fold: give up the hand. Call: match the bet to stay in. Pot: the money bet in the deal.
Game, pictures and sounds by the Seven Stud developers. Built with Qt and libjpeg.</source>
        <translation>Seven Stud. Stud à sept cartes. Version 1.0.
Les mises sont petites aux deux premiers tours et grosses aux tours suivants.
Parole : rester dans le coup sans miser. Se coucher : abandonner la main. Suivre : égaler la mise pour rester dans le coup. Pot : l&apos;argent misé dans la donne.
Jeu, images et sons par les développeurs de Seven Stud. Réalisé avec Qt et libjpeg.</translation>
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
        <translation>option inconnue « %1 »</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argument inattendu « %1 »</translation>
    </message>
    <message>
        <source>Try &apos;sevenstud --help&apos; for the options the game takes.</source>
        <translation>« sevenstud --help » affiche les options du jeu.</translation>
    </message>
    <message>
        <source>Usage: sevenstud [OPTION]</source>
        <translation>Usage : sevenstud [OPTION]</translation>
    </message>
    <message>
        <source>Seven-card stud poker with fixed limits: you against four computer opponents.</source>
        <translation>Poker stud à sept cartes à limites fixes : vous contre quatre adversaires virtuels.</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Options :</translation>
    </message>
    <message>
        <source>show this help and exit</source>
        <translation>afficher cette aide et quitter</translation>
    </message>
    <message>
        <source>show the version and exit</source>
        <translation>afficher la version et quitter</translation>
    </message>
    <message>
        <source>Without an option the game opens its table window.</source>
        <translation>Sans option, le jeu ouvre la fenêtre de la table.</translation>
    </message>
    <message>
        <source>Settings file: %1</source>
        <translation>Fichier de réglages : %1</translation>
    </message>
    <message>
        <source>  (in $XDG_CONFIG_HOME/sevenstud/ when XDG_CONFIG_HOME is set). It keeps each
  seat&apos;s cash as it stood when &quot;Deal&quot; was last pressed, the initial cash, the
  target, the card back, the opponents&apos; level and the sound switch.</source>
        <translation>  (dans $XDG_CONFIG_HOME/sevenstud/ si XDG_CONFIG_HOME est défini). Il garde
  l&apos;argent de chaque place tel qu&apos;il était au dernier appui sur « Donner »,
  le capital de départ, le gain visé, le dos des cartes, le niveau des
  adversaires et le réglage du son.</translation>
    </message>
    <message>
        <source>See sevenstud(6) for how to play.</source>
        <translation>Les règles du jeu sont dans sevenstud(6).</translation>
    </message>
    <message>
        <source>play in this language: de, es, fr, it, or en</source>
        <translation>jouer dans cette langue : de, es, fr, it ou en</translation>
    </message>
    <message>
        <source>Without --language it speaks the desktop&apos;s language (LANGUAGE, LC_ALL,
LC_MESSAGES, LANG), and English where it does not know that language.</source>
        <translation>Sans --language, il parle la langue du bureau (LANGUAGE, LC_ALL,
LC_MESSAGES, LANG) s&apos;il la connaît ; sinon, l&apos;anglais.</translation>
    </message>
    <message>
        <source>option &apos;--language&apos; needs a language code, such as de</source>
        <translation>l&apos;option « --language » demande un code de langue, par exemple fr</translation>
    </message>
    <message>
        <source>Keys: F1 shows the rules and hand rankings, Ctrl+? every key of the game,
F10 opens the menu, Ctrl+Q quits. The table&apos;s buttons have keys of their own:
  %1.</source>
        <translation>Touches : F1 montre les règles et le classement des mains, Ctrl+? toutes les
touches du jeu, F10 ouvre le menu, Ctrl+Q quitte. Les boutons de la table ont
leurs propres touches :
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
        <translation>%1 : %2</translation>
    </message>
</context>
<context>
    <name>ImageSets</name>
    <message>
        <source>The picture set &quot;%1&quot; is missing</source>
        <translation>Le jeu d&apos;images « %1 » est manquant</translation>
    </message>
    <message>
        <source>The picture set &quot;%1&quot; has the wrong size</source>
        <translation>Le jeu d&apos;images « %1 » n&apos;a pas la bonne taille</translation>
    </message>
</context>
<context>
    <name>AboutPicture</name>
    <message>
        <source>Seven-card stud poker</source>
        <translation>Stud à sept cartes</translation>
    </message>
    <message>
        <source>Version 1.0</source>
        <translation>Version 1.0</translation>
    </message>
    <message>
        <source>Bets are small in the first two rounds</source>
        <translation>Les mises sont petites aux deux premiers</translation>
    </message>
    <message>
        <source>and big in the later rounds.</source>
        <translation>tours et grosses aux tours suivants.</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Parole</translation>
    </message>
    <message>
        <source>stay in without betting</source>
        <translation>rester dans le coup sans miser</translation>
    </message>
    <message>
        <source>Fold</source>
        <translation>Se coucher</translation>
    </message>
    <message>
        <source>give up the hand</source>
        <translation>abandonner la main</translation>
    </message>
    <message>
        <source>Call</source>
        <translation>Suivre</translation>
    </message>
    <message>
        <source>match the bet to stay in</source>
        <translation>égaler la mise pour rester</translation>
    </message>
    <message>
        <source>Pot</source>
        <translation>Pot</translation>
    </message>
    <message>
        <source>the money bet in the deal</source>
        <translation>l&apos;argent misé dans la donne</translation>
    </message>
    <message>
        <source>Game, pictures and sounds by</source>
        <translation>Jeu, images et sons par</translation>
    </message>
    <message>
        <source>the Seven Stud developers</source>
        <translation>les développeurs de Seven Stud</translation>
    </message>
    <message>
        <source>Built with Qt and libjpeg</source>
        <translation>Réalisé avec Qt et libjpeg</translation>
    </message>
</context>
<context>
    <name>ViewControl</name>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Zoom &amp;avant</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Zoom a&amp;rrière</translation>
    </message>
    <message>
        <source>&amp;Normal Size</source>
        <translation>Taille &amp;normale</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>&amp;Plein écran</translation>
    </message>
    <message>
        <source>Leave Full Screen</source>
        <translation>Quitter le plein écran</translation>
    </message>
    <message>
        <source>F&amp;our-Colour Deck</source>
        <translation>Jeu à &amp;quatre couleurs</translation>
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
        <translation>Règles et classement des mains</translation>
    </message>
    <message>
        <source>Keyboard shortcuts</source>
        <translation>Raccourcis clavier</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
</context>
<context>
    <name>MoveKeys</name>
    <message>
        <source>C</source>
        <extracomment>The key for the Call/Check button, a letter of its caption, unlike the others</extracomment>
        <translation>S</translation>
    </message>
    <message>
        <source>R</source>
        <extracomment>The key for the Raise/Bet button, a letter of its caption, unlike the others</extracomment>
        <translation>R</translation>
    </message>
    <message>
        <source>F</source>
        <extracomment>The key for the Fold button, a letter of its caption, unlike the others</extracomment>
        <translation>C</translation>
    </message>
    <message>
        <source>D</source>
        <extracomment>The key for the Deal button, a letter of its caption, unlike the others</extracomment>
        <translation>D</translation>
    </message>
    <message>
        <source>N</source>
        <extracomment>The key for the New Game button, a letter of its caption, unlike the others</extracomment>
        <translation>J</translation>
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
        <translation>Raccourcis clavier</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Coups</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Table</translation>
    </message>
    <message>
        <source>Next or previous button</source>
        <translation>Bouton suivant ou précédent</translation>
    </message>
    <message>
        <source>Press the button that has the focus</source>
        <translation>Appuyer sur le bouton qui a le focus</translation>
    </message>
    <message>
        <source>Close the options panel</source>
        <translation>Fermer les options</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Open the menu</source>
        <translation>Ouvrir le menu</translation>
    </message>
    <message>
        <source>Close this window</source>
        <translation>Fermer cette fenêtre</translation>
    </message>
</context>
</TS>
