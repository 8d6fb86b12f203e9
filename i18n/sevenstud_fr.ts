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
        <source>the game does not speak &apos;%1&apos; and plays in English; it speaks %2</source>
        <translation>le jeu ne parle pas « %1 » et se joue en anglais ; il parle %2</translation>
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
    <name>History</name>
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
        <source>%1: opens, the bet stands</source>
        <translation>%1 : ouvre, la mise tient</translation>
    </message>
    <message>
        <source>%1: checks</source>
        <translation>%1 : parole</translation>
    </message>
    <message>
        <source>%1: calls %2</source>
        <translation>%1 : suit %2</translation>
    </message>
    <message>
        <source>%1: raises %2</source>
        <translation>%1 : relance %2</translation>
    </message>
    <message>
        <source>%1: folds</source>
        <translation>%1 : se couche</translation>
    </message>
    <message>
        <source>no cards</source>
        <translation>aucune carte</translation>
    </message>
    <message>
        <source>%1 face down</source>
        <translation>%1 face cachée</translation>
    </message>
    <message>
        <source>Everybody else folded.</source>
        <translation>Tous les autres se sont couchés.</translation>
    </message>
    <message>
        <source>You folded; the others showed their cards.</source>
        <translation>Vous vous êtes couché ; les autres ont montré leurs cartes.</translation>
    </message>
    <message>
        <source>Showdown.</source>
        <translation>Abattage.</translation>
    </message>
    <message>
        <source>%1: %2 (%3)</source>
        <translation>%1 : %2 (%3)</translation>
    </message>
    <message>
        <source>You win %1.</source>
        <translation>Vous gagnez %1.</translation>
    </message>
    <message>
        <source>%1 wins %2.</source>
        <translation>%1 gagne %2.</translation>
    </message>
    <message>
        <source>%1 of the split pot goes to nobody.</source>
        <translation>%1 du pot partagé ne va à personne.</translation>
    </message>
    <message>
        <source>%1 reached the target: the match is over.</source>
        <translation>%1 a atteint l'objectif : la partie est finie.</translation>
    </message>
    <message>
        <source>The match is over: you lose.</source>
        <translation>La partie est finie : vous perdez.</translation>
    </message>
    <message>
        <source>The match is over: you win.</source>
        <translation>La partie est finie : vous gagnez.</translation>
    </message>
    <message>
        <source>The match was given up for a new one.</source>
        <translation>La partie a été abandonnée pour une nouvelle.</translation>
    </message>
    <message>
        <source>Your result: %1</source>
        <translation>Votre résultat : %1</translation>
    </message>
    <message>
        <source>Street %1</source>
        <translation>Rue %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>Pot: %1</source>
        <translation>Pot : %1</translation>
    </message>
    <message>
        <source>Deal %1, %2</source>
        <translation>Donne %1, %2</translation>
    </message>
    <message>
        <source>Level %1, ante %2, bets %3 and %4</source>
        <translation>Niveau %1, ante %2, mises %3 et %4</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Cash before the deal: %1</source>
        <translation>Argent avant la donne : %1</translation>
    </message>
    <message>
        <source>no hand shown</source>
        <translation>aucune main montrée</translation>
    </message>
    <message>
        <source>Deal %1  %2  %3  %4</source>
        <translation>Donne %1  %2  %3  %4</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historique</translation>
    </message>
    <message>
        <source>Deals, newest first</source>
        <translation>Donnes, la plus récente d'abord</translation>
    </message>
    <message>
        <source>The street, move by move</source>
        <translation>La rue, coup par coup</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Début</translation>
    </message>
    <message>
        <source>&amp;Previous street</source>
        <translation>Rue &amp;précédente</translation>
    </message>
    <message>
        <source>&amp;Next street</source>
        <translation>Rue &amp;suivante</translation>
    </message>
    <message>
        <source>&amp;End</source>
        <translation>&amp;Fin</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>S&amp;tatistics</source>
        <translation>S&amp;tatistiques</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Deals kept: %1</source>
        <translation>Donnes gardées : %1</translation>
    </message>
    <message>
        <source>Deal %1: street %2 of %3, pot %4</source>
        <translation>Donne %1 : rue %2 sur %3, pot %4</translation>
    </message>
    <message>
        <source>Deal %1: the end, pot %2</source>
        <translation>Donne %1 : la fin, pot %2</translation>
    </message>
    <message>
        <source>No deal recorded yet.</source>
        <translation>Aucune donne enregistrée pour l'instant.</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Réinitialiser</translation>
    </message>
    <message>
        <source>Matches at %1: %2 played, %3 won, %4 lost, %5 given up</source>
        <translation>Parties au niveau %1 : %2 jouées, %3 gagnées, %4 perdues, %5 abandonnées</translation>
    </message>
    <message>
        <source>No match recorded yet.</source>
        <translation>Aucune partie enregistrée pour l'instant.</translation>
    </message>
    <message>
        <source>Deals played: %1</source>
        <translation>Donnes jouées : %1</translation>
    </message>
    <message>
        <source>Deals won: %1 (at a showdown %2, when all others folded %3)</source>
        <translation>Donnes gagnées : %1 (à l'abattage %2, tous les autres couchés %3)</translation>
    </message>
    <message>
        <source>Folded on the first street: %1 (%2 %)</source>
        <translation>Couché à la première rue : %1 (%2 %)</translation>
    </message>
    <message>
        <source>Biggest pot won: %1</source>
        <translation>Plus gros pot gagné : %1</translation>
    </message>
    <message>
        <source>Best hand: %1 (%2)</source>
        <translation>Meilleure main : %1 (%2)</translation>
    </message>
    <message>
        <source>Best hand: none shown yet</source>
        <translation>Meilleure main : aucune montrée</translation>
    </message>
    <message>
        <source>Net result over all deals: %1</source>
        <translation>Résultat net de toutes les donnes : %1</translation>
    </message>
    <message>
        <source>Longest run of deals won: %1</source>
        <translation>Plus longue série de donnes gagnées : %1</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <source>Clear the whole history and every statistic?</source>
        <translation>Effacer tout l'historique et toutes les statistiques ?</translation>
    </message>
    <message>
        <source>The game history was damaged. It has been kept as "%1" and a new history begun.</source>
        <translation>L'historique de jeu était endommagé. Il a été gardé sous le nom « %1 » et un nouvel historique commencé.</translation>
    </message>
    <message>
        <source>The game history was written by a newer version of the game. It is left as it is, and deals are not recorded.</source>
        <translation>L'historique de jeu a été écrit par une version plus récente du jeu. Il est laissé tel quel et les donnes ne sont pas enregistrées.</translation>
    </message>
    <message>
        <source>The game history cannot be written. Deals are not recorded.</source>
        <translation>L'historique de jeu ne peut pas être écrit. Les donnes ne sont pas enregistrées.</translation>
    </message>
    <message>
        <source>No game history can be kept in "%1". Deals are not recorded.</source>
        <translation>Aucun historique de jeu ne peut être gardé dans « %1 ». Les donnes ne sont pas enregistrées.</translation>
    </message>
    <message>
        <source>The disk is full: a deal could not be added to the game history.</source>
        <translation>Le disque est plein : une donne n'a pas pu être ajoutée à l'historique.</translation>
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
    <name>Rules</name>
    <message>
        <source>Straight flush</source>
        <translation>Quinte flush</translation>
    </message>
    <message>
        <source>Four of a kind</source>
        <translation>Carré</translation>
    </message>
    <message>
        <source>Full house</source>
        <translation>Full</translation>
    </message>
    <message>
        <source>Flush</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>Straight</source>
        <translation>Quinte</translation>
    </message>
    <message>
        <source>Three of a kind</source>
        <translation>Brelan</translation>
    </message>
    <message>
        <source>Two pairs</source>
        <translation>Deux paires</translation>
    </message>
    <message>
        <source>One pair</source>
        <translation>Une paire</translation>
    </message>
    <message>
        <source>High card</source>
        <translation>Carte haute</translation>
    </message>
    <message>
        <source>Rules and hand rankings</source>
        <translation>Règles et valeur des mains</translation>
    </message>
    <message>
        <source>you</source>
        <translation>vous</translation>
    </message>
    <message>
        <source>How Seven Stud is played</source>
        <translation>Comment se joue Seven Stud</translation>
    </message>
    <message>
        <source>Seven Stud is seven-card stud poker with fixed limits. You play against %1 computer opponents, %2, and every player has cash of their own. A match goes on deal after deal. In each deal every player gets %3 cards, some face down and some face up, and bets on them street by street; the best hand, or the last player left in, takes the pot.</source>
        <translation>Seven Stud est le stud à sept cartes à limites fixes. Vous jouez contre %1 adversaires de l'ordinateur, %2, et chaque joueur a son propre argent. Une partie se joue donne après donne. À chaque donne, chaque joueur reçoit %3 cartes, certaines face cachée et d'autres face visible, et mise sur elles rue après rue ; la meilleure main, ou le dernier joueur encore en jeu, remporte le pot.</translation>
    </message>
    <message>
        <source>The ante</source>
        <translation>L'ante</translation>
    </message>
    <message>
        <source>At the start of every deal each player who still has cash puts the ante, now %1, into the pot. The pot holds only this deal's antes and bets: nothing is carried over from the deal before. A player with no more cash than the ante pays it all the same and is left with zero or less: an opponent so left makes no moves in that deal, and nobody so left can win it. A player with no cash left sits the deal out: no ante, no cards, no moves.</source>
        <translation>Au début de chaque donne, chaque joueur qui a encore de l'argent met l'ante, en ce moment %1, dans le pot. Le pot ne contient que les antes et les mises de cette donne : rien n'est reporté de la donne précédente. Un joueur qui n'a pas plus d'argent que l'ante la paie quand même et se retrouve à zéro ou moins : un adversaire dans ce cas ne joue aucun coup de la donne, et personne dans ce cas ne peut la gagner. Un joueur qui n'a plus d'argent ne joue pas la donne : pas d'ante, pas de cartes, pas de coups.</translation>
    </message>
    <message>
        <source>The cards and the streets</source>
        <translation>Les cartes et les rues</translation>
    </message>
    <message>
        <source>All %1 cards of every player are dealt from one shuffled deck when the deal starts, but they come into play one street at a time. There are %2 betting streets:</source>
        <translation>Les %1 cartes de chaque joueur sont données d'un seul paquet mélangé au début de la donne, mais elles entrent en jeu une rue à la fois. Il y a %2 rues de mises :</translation>
    </message>
    <message>
        <source>Street %1: %2 cards, %3 face down and %4 face up</source>
        <translation>Rue %1 : %2 cartes, %3 face cachée et %4 face visible</translation>
    </message>
    <message>
        <source>You see all your own cards. Of the opponents' cards you see only those face up; their face-down cards are shown at the showdown.</source>
        <translation>Vous voyez toutes vos cartes. Des cartes des adversaires, vous ne voyez que celles face visible ; leurs cartes cachées sont montrées à l'abattage.</translation>
    </message>
    <message>
        <source>Bets and raises</source>
        <translation>Mises et relances</translation>
    </message>
    <message>
        <source>Every bet and every raise is exactly one unit, the small bet or the big bet, never more. The limits now are: ante %1, small bet %2, big bet %3. They are the betting limits of the options panel, from an ante of %4 up to %5; the small bet is always %6 antes and the big bet %7. A new ante is taken from the next deal on; new bets count from the next bet.</source>
        <translation>Chaque mise et chaque relance vaut exactement une unité, la petite mise ou la grosse mise, jamais plus. Les limites sont en ce moment : ante %1, petite mise %2, grosse mise %3. Ce sont les limites de mise du panneau des options, d'une ante de %4 à %5 ; la petite mise vaut toujours %6 antes et la grosse mise %7. Une nouvelle ante vaut à partir de la donne suivante, de nouvelles mises à partir de la mise suivante.</translation>
    </message>
    <message>
        <source>Your bet or raise is the small bet on streets %1 to %2 and the big bet on street %3.</source>
        <translation>Votre mise ou relance est la petite mise sur les rues %1 à %2 et la grosse mise sur la rue %3.</translation>
    </message>
    <message>
        <source>An opponent's raise is the small bet on streets %1 to %2 and the big bet on streets %3 to %4. The opponents never raise on street %5.</source>
        <translation>La relance d'un adversaire est la petite mise sur les rues %1 à %2 et la grosse mise sur les rues %3 à %4. Les adversaires ne relancent jamais sur la rue %5.</translation>
    </message>
    <message>
        <source>A call pays the bet that stands, one unit: nobody ever pays several raises at once.</source>
        <translation>Suivre paie la mise en cours, une unité : personne ne paie jamais plusieurs relances à la fois.</translation>
    </message>
    <message>
        <source>You can bet or raise only while you hold at least %1. A call is never refused: it may take your cash to zero or below.</source>
        <translation>Vous ne pouvez miser ou relancer que si vous avez au moins %1. Suivre n'est jamais refusé : cela peut amener votre argent à zéro ou en dessous.</translation>
    </message>
    <message>
        <source>No rule caps the number of raises on a street: each opponent may raise in each of its turns, and you in each of your moves while no opponent's raise stands. How each raise is answered is told below.</source>
        <translation>Aucune règle ne limite le nombre de relances sur une rue : chaque adversaire peut relancer à chacun de ses tours, et vous à chacun de vos coups tant qu'aucune relance d'un adversaire n'est en cours. La réponse à chaque relance est décrite plus bas.</translation>
    </message>
    <message>
        <source>Who opens</source>
        <translation>Qui ouvre</translation>
    </message>
    <message>
        <source>Each deal has an opener, the player with whom every street begins. Play goes round the table in the order %1, and the opener moves one seat on in that order with every deal. The first deal after the game starts is opened by %2, the next one by you, then by %3, and so on.</source>
        <translation>Chaque donne a un ouvreur, le joueur par qui commence chaque rue. On joue autour de la table dans l'ordre %1, et l'ouvreur avance d'une place dans cet ordre à chaque donne. La première donne après le lancement du jeu est ouverte par %2, la suivante par vous, puis par %3, et ainsi de suite.</translation>
    </message>
    <message>
        <source>An opponent who opens bets one small bet. The opponents after it answer that bet and take their turns, and then it is your move. The opener pays its opening bet only when you call or raise: then it answers it like the others, by calling or folding. If you fold at once, it never pays it. When you open, no bet stands, yet every opponent first answers one small bet, paying it or folding, and takes its turn; only then is it your move, and while no opponent has raised, %1 only checks.</source>
        <translation>Un adversaire qui ouvre mise une petite mise. Les adversaires après lui répondent à cette mise et jouent leur tour, puis c'est à vous. L'ouvreur ne paie sa mise d'ouverture que lorsque vous suivez ou relancez : il y répond alors comme les autres, en suivant ou en se couchant. Si vous vous couchez tout de suite, il ne la paie jamais. Quand vous ouvrez, aucune mise n'est en cours, mais chaque adversaire répond d'abord à une petite mise, en la payant ou en se couchant, et joue son tour ; c'est seulement ensuite à vous, et tant qu'aucun adversaire n'a relancé, %1 ne fait que parole.</translation>
    </message>
    <message>
        <source>The first deal of a new match is opened by %1 without an opening bet: you move first and may check. After it the openers go on where they stood.</source>
        <translation>La première donne d'une nouvelle partie est ouverte par %1 sans mise d'ouverture : vous jouez le premier et pouvez dire parole. Ensuite, les ouvreurs continuent là où ils en étaient.</translation>
    </message>
    <message>
        <source>When the opener folds, the next opponent after it who is still in the deal becomes the opener, or you, when none is left.</source>
        <translation>Quand l'ouvreur se couche, le prochain adversaire après lui encore dans la donne devient l'ouvreur, ou vous, s'il n'en reste aucun.</translation>
    </message>
    <message>
        <source>Your moves</source>
        <translation>Vos coups</translation>
    </message>
    <message>
        <source>%1, when no bet stands: you put nothing in, and the opponents take their turns, each checking or raising.</source>
        <translation>%1, quand aucune mise n'est en cours : vous ne mettez rien, et les adversaires jouent leur tour, chacun disant parole ou relançant.</translation>
    </message>
    <message>
        <source>%1, when a bet stands: you pay it. The opponents before the one who bet answer it too, and those after it take their turns.</source>
        <translation>%1, quand une mise est en cours : vous la payez. Les adversaires avant celui qui a misé y répondent aussi, et ceux après lui jouent leur tour.</translation>
    </message>
    <message>
        <source>%1 (the button reads %2 after %3, until your first raise): you put in one unit. From the second street on every opponent still in answers it; on the first street only the opponents up to the one whose bet stands answer it, and nobody when no bet stands. Then the opponents take their turns. While an opponent's raise stands you cannot raise; you can only call or fold. On the first street you may also raise the opening bet.</source>
        <translation>%1 (le bouton affiche %2 après %3, jusqu'à votre première relance) : vous mettez une unité. À partir de la deuxième rue, chaque adversaire encore en jeu y répond ; sur la première rue, seuls les adversaires jusqu'à celui dont la mise est en cours y répondent, et personne quand aucune mise n'est en cours. Puis les adversaires jouent leur tour. Tant qu'une relance d'un adversaire est en cours, vous ne pouvez pas relancer, seulement suivre ou vous coucher. Sur la première rue, vous pouvez aussi relancer la mise d'ouverture.</translation>
    </message>
    <message>
        <source>%1: you give up the deal, and what you have put in stays in the pot. The showdown follows at once.</source>
        <translation>%1 : vous abandonnez la donne, et ce que vous avez mis reste dans le pot. L'abattage suit aussitôt.</translation>
    </message>
    <message>
        <source>The opponents answer a bet by calling or folding, and in their own turn they check or raise. When an opponent raises, the opponents after it answer at once, and then it is your move: call or fold. An opponent that cannot pay a bet in full folds. An opponent decides by chance, weighed by how strong it believes its hand to be; it looks only at its own cards.</source>
        <translation>Les adversaires répondent à une mise en suivant ou en se couchant, et à leur propre tour ils disent parole ou relancent. Quand un adversaire relance, les adversaires après lui répondent aussitôt, puis c'est à vous : suivre ou vous coucher. Un adversaire qui ne peut pas payer une mise en entier se couche. Un adversaire décide au hasard, pondéré par la force qu'il prête à sa main ; il ne regarde que ses propres cartes.</translation>
    </message>
    <message>
        <source>The end of a street</source>
        <translation>La fin d'une rue</translation>
    </message>
    <message>
        <source>A street ends when the turn comes round to the opener again: every player still in then gets the next card. On the first street your %1 or %2 also ends the street at once, wherever the opener sits.</source>
        <translation>Une rue se termine quand le tour revient à l'ouvreur : chaque joueur encore en jeu reçoit alors la carte suivante. Sur la première rue, votre %1 ou votre %2 termine aussi la rue aussitôt, où que soit l'ouvreur.</translation>
    </message>
    <message>
        <source>The end of a deal</source>
        <translation>La fin d'une donne</translation>
    </message>
    <message>
        <source>When every opponent has folded, you take the whole pot at once and nobody shows cards.</source>
        <translation>Quand tous les adversaires se sont couchés, vous remportez tout le pot aussitôt et personne ne montre ses cartes.</translation>
    </message>
    <message>
        <source>After the betting on street %1 comes the showdown: every player still in shows all %2 cards, and the best hand takes the pot.</source>
        <translation>Après les mises de la rue %1 vient l'abattage : chaque joueur encore en jeu montre ses %2 cartes, et la meilleure main remporte le pot.</translation>
    </message>
    <message>
        <source>When you fold, the deal is not played on: the showdown comes at once among the opponents still in, on all %1 of their cards, even those of streets that were never played.</source>
        <translation>Quand vous vous couchez, la donne n'est pas jouée plus loin : l'abattage a lieu aussitôt entre les adversaires encore en jeu, sur leurs %1 cartes, même celles des rues qui n'ont jamais été jouées.</translation>
    </message>
    <message>
        <source>A player whose cash has run out during the deal (zero or below) cannot win it, even with the best hand. When nobody is left who can win the pot, %1 takes it all the same.</source>
        <translation>Un joueur dont l'argent est épuisé pendant la donne (zéro ou moins) ne peut pas la gagner, même avec la meilleure main. Quand il ne reste personne qui puisse gagner le pot, %1 le prend quand même.</translation>
    </message>
    <message>
        <source>The pot</source>
        <translation>Le pot</translation>
    </message>
    <message>
        <source>The best hand takes the whole pot. Hands that come out exactly equal by the hand rankings below share it: each gets the pot divided by the number of winners, in whole chips. What is left over, the odd chips, goes to nobody and leaves the game. Then %1 starts the next deal.</source>
        <translation>La meilleure main remporte tout le pot. Des mains exactement égales selon la valeur des mains ci-dessous se le partagent (pot partagé) : chacune reçoit le pot divisé par le nombre de gagnants, en jetons entiers. Le reste, les jetons en trop, ne va à personne et quitte le jeu. Ensuite, %1 commence la donne suivante.</translation>
    </message>
    <message>
        <source>The end of a match</source>
        <translation>La fin d'une partie</translation>
    </message>
    <message>
        <source>The match ends when:</source>
        <translation>La partie se termine quand :</translation>
    </message>
    <message>
        <source>you have no cash left (zero or below) when you press %1: you lose;</source>
        <translation>vous n'avez plus d'argent (zéro ou moins) quand vous appuyez sur %1 : vous perdez ;</translation>
    </message>
    <message>
        <source>no opponent has cash left when you press %1: you win;</source>
        <translation>aucun adversaire n'a plus d'argent quand vous appuyez sur %1 : vous gagnez ;</translation>
    </message>
    <message>
        <source>after a showdown a player holds %1 or more, the initial cash of %2 plus the %3 of “%4” in the options panel: that player wins the match.</source>
        <translation>après un abattage, un joueur a %1 ou plus, l'argent de départ de %2 plus les %3 de « %4 » dans le panneau des options : ce joueur gagne la partie.</translation>
    </message>
    <message>
        <source>Then only %1 goes on. It asks first; then every player gets the amount in the options panel's “%2” box, the ante is taken, and a new deal starts with no bet standing. %1 starts a new match at any time in the same way.</source>
        <translation>Ensuite, seul %1 permet de continuer. Il demande d'abord confirmation ; puis chaque joueur reçoit le montant de la case « %2 » du panneau des options, l'ante est prise, et une nouvelle donne commence sans mise en cours. %1 commence de la même façon une nouvelle partie à tout moment.</translation>
    </message>
    <message>
        <source>The four levels</source>
        <translation>Les quatre niveaux</translation>
    </message>
    <message>
        <source>The level in the options panel (%1, %2, %3 or %4) sets how well the opponents judge their own hands. Before each decision an opponent plays its hand out against random hands, again and again: %5, %6, %7 or %8 times. The higher the level, the more trials, the less it is misled by chance, and the closer it plays to what its cards are worth. The level changes nothing else.</source>
        <translation>Le niveau du panneau des options (%1, %2, %3 ou %4) règle la justesse avec laquelle les adversaires jugent leur main. Avant chaque décision, un adversaire joue sa main encore et encore contre des mains au hasard : %5, %6, %7 ou %8 fois. Plus le niveau est élevé, plus il y a d'essais, moins le hasard le trompe, et plus il joue selon la vraie valeur de ses cartes. Le niveau ne change rien d'autre.</translation>
    </message>
    <message>
        <source>What is kept between runs</source>
        <translation>Ce qui est gardé d'une fois sur l'autre</translation>
    </message>
    <message>
        <source>The game keeps in its settings file, %1: every player's cash as it stood when %2 was last pressed, the initial cash and the play-until amount as last confirmed with their buttons, the level, the card back and the sound switch. The betting limits are not kept: every run starts with an ante of %3, a small bet of %4 and a big bet of %5. A deal not finished when the game is closed is lost: the next run deals afresh from the cash before it.</source>
        <translation>Le jeu garde dans son fichier de réglages, %1 : l'argent de chaque joueur tel qu'il était lors du dernier appui sur %2, l'argent de départ et le montant à atteindre tels que confirmés en dernier avec leurs boutons, le niveau, le dos des cartes et le son. Les limites de mise ne sont pas gardées : chaque lancement commence avec une ante de %3, une petite mise de %4 et une grosse mise de %5. Une donne non terminée à la fermeture du jeu est perdue : le lancement suivant donne à nouveau avec l'argent d'avant elle.</translation>
    </message>
    <message>
        <source>Hand rankings</source>
        <translation>Valeur des mains</translation>
    </message>
    <message>
        <source>At the showdown every hand is judged on all %1 of its cards. These are the kinds of hands, the best first; a hand of a higher kind beats every hand of a lower kind. Cards rank from the Two, the lowest, to the Ace, the highest.</source>
        <translation>À l'abattage, chaque main est jugée sur ses %1 cartes. Voici les sortes de mains, la meilleure d'abord ; une main d'une sorte plus haute bat toute main d'une sorte plus basse. Les cartes vont du deux, la plus basse, à l'as, la plus haute.</translation>
    </message>
    <message>
        <source>Two hands of the same kind are told apart by this game's own rules. In places they differ from the rules you may know from elsewhere; each place is named below.</source>
        <translation>Ce jeu départage deux mains de la même sorte selon ses propres règles. Par endroits, elles diffèrent de celles que vous connaissez peut-être ailleurs ; chacun de ces endroits est signalé ci-dessous.</translation>
    </message>
    <message>
        <source>a Two counts %1, a Three %2, and so on up to the Ace, %3</source>
        <translation>un deux compte %1, un trois %2, et ainsi de suite jusqu'à l'as, %3</translation>
    </message>
    <message>
        <source>So these two hands are equal and share the pot:</source>
        <translation>Ces deux mains sont donc égales et se partagent le pot :</translation>
    </message>
    <message>
        <source>So the first of these two hands beats the second:</source>
        <translation>La première de ces deux mains bat donc la seconde :</translation>
    </message>
    <message>
        <source>Example: %1. The table shows it as “%2”.</source>
        <translation>Exemple : %1. La table l'affiche comme « %2 ».</translation>
    </message>
    <message>
        <source>Five cards of one suit in a row. All straight flushes are equal, whatever their highest card: two of them share the pot.</source>
        <translation>Cinq cartes d'une même couleur qui se suivent. Toutes les quintes flush sont égales, quelle que soit leur plus haute carte : deux d'entre elles se partagent le pot.</translation>
    </message>
    <message>
        <source>Unlike elsewhere, the game looks for a straight flush in one place only: it takes the lowest rank of the hand whose next rank is held too, in any suit, and the first card of that rank dealt, and the straight flush must run upwards from that very card. A straight flush anywhere else counts only as a flush, and so does Ace, Two, Three, Four, Five of one suit. For example, %1 is a flush: the table shows “%2”.</source>
        <translation>Contrairement à ailleurs, le jeu ne cherche une quinte flush qu'à un seul endroit : il prend le rang le plus bas de la main dont le rang suivant est aussi présent, dans n'importe quelle couleur, et la première carte de ce rang donnée, et la quinte flush doit monter à partir de cette carte-là. Une quinte flush ailleurs ne compte que comme une couleur, de même qu'as, deux, trois, quatre, cinq d'une même couleur. Par exemple, %1 est une couleur : la table affiche « %2 ».</translation>
    </message>
    <message>
        <source>Four cards of one rank. The higher four wins.</source>
        <translation>Quatre cartes d'un même rang. Le carré le plus haut gagne.</translation>
    </message>
    <message>
        <source>Three cards of one rank and two of another. The higher three wins.</source>
        <translation>Trois cartes d'un rang et deux d'un autre. Le brelan le plus haut gagne.</translation>
    </message>
    <message>
        <source>Five cards of one suit. Unlike elsewhere, only the highest card of the suit counts: two flushes with the same highest card are equal and share the pot, whatever their other cards.</source>
        <translation>Cinq cartes d'une même couleur. Contrairement à ailleurs, seule la plus haute carte de la couleur compte : deux couleurs avec la même plus haute carte sont égales et se partagent le pot, quelles que soient leurs autres cartes.</translation>
    </message>
    <message>
        <source>Five cards of ranks in a row, in any suits. The higher top card wins; straights with the same top card share the pot. The Ace counts high, and low only in the lowest straight, Ace, Two, Three, Four, Five, which the table shows as “%1”.</source>
        <translation>Cinq cartes de rangs qui se suivent, de couleurs quelconques. La plus haute carte la plus forte gagne ; des quintes avec la même plus haute carte se partagent le pot. L'as compte haut, et bas seulement dans la plus petite quinte, as, deux, trois, quatre, cinq, que la table affiche comme « %1 ».</translation>
    </message>
    <message>
        <source>Three cards of one rank. The higher three wins.</source>
        <translation>Trois cartes d'un même rang. Le brelan le plus haut gagne.</translation>
    </message>
    <message>
        <source>Two pairs of different ranks. The higher top pair wins. With the same top pair, the game takes the value of the lower pair %1 times and adds the value of the best other card (%2); the higher sum wins, and equal sums share the pot. Unlike elsewhere, the lower pair does not always decide.</source>
        <translation>Deux paires de rangs différents. La paire haute la plus forte gagne. À paire haute égale, le jeu prend %1 fois la valeur de la paire basse et ajoute la valeur de la meilleure autre carte (%2) ; la somme la plus haute gagne, et des sommes égales se partagent le pot. Contrairement à ailleurs, la paire basse ne décide pas toujours.</translation>
    </message>
    <message>
        <source>Two cards of one rank. The higher pair wins. With the same pair, the game adds up the values of the three best other cards (%1), the best counted %2 times, the second %3 times and the third once; the higher sum wins, and equal sums share the pot. Unlike elsewhere, the best other card does not always decide.</source>
        <translation>Deux cartes d'un même rang. La paire la plus haute gagne. À paire égale, le jeu additionne les valeurs des trois meilleures autres cartes (%1), la meilleure comptée %2 fois, la deuxième %3 fois et la troisième une fois ; la somme la plus haute gagne, et des sommes égales se partagent le pot. Contrairement à ailleurs, la meilleure autre carte ne décide pas toujours.</translation>
    </message>
    <message>
        <source>None of the above. The highest card wins. With the same highest card, the game takes the value of the next card %1 times and adds the value of the third (%2); the higher sum wins. Unlike elsewhere, only these three cards count: hands alike in them share the pot, whatever their other cards.</source>
        <translation>Rien de ce qui précède. La plus haute carte gagne. À plus haute carte égale, le jeu prend %1 fois la valeur de la carte suivante et ajoute la valeur de la troisième (%2) ; la somme la plus haute gagne. Contrairement à ailleurs, seules ces trois cartes comptent : des mains pareilles en elles se partagent le pot, quelles que soient leurs autres cartes.</translation>
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
