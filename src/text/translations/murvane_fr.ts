<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Murvane</name>
    <message>
        <source>%.1f%%</source>
        <translation>%.1f %%</translation>
    </message>
    <message>
        <source>%1$@ moved to column %2$lld.</source>
        <translation>%1$@ sur la colonne %2$lld.</translation>
    </message>
    <message>
        <source>%1$@ of %2$@</source>
        <translation>%1$@ de %2$@</translation>
    </message>
    <message>
        <source>%@ moved to foundation.</source>
        <translation>%@ sur une fondation.</translation>
    </message>
    <message>
        <source>%@: %@</source>
        <translation>%@ : %@</translation>
    </message>
    <message>
        <source>%lld cards|one</source>
        <translation>%lld carte</translation>
    </message>
    <message>
        <source>%lld cards|other</source>
        <translation>%lld cartes</translation>
    </message>
    <message>
        <source>8-Bit Retro</source>
        <translation>Rétro 8 bits</translation>
    </message>
    <message>
        <source>A simple solitaire game for your Linux system tray.</source>
        <translation>Un jeu de patience tout simple, dans la zone de notification de votre bureau Linux.</translation>
    </message>
    <message>
        <source>APP</source>
        <translation>APPLICATION</translation>
    </message>
    <message>
        <source>Abandon this game?</source>
        <translation>Abandonner cette partie ?</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Ace</source>
        <translation>As</translation>
    </message>
    <message>
        <source>Adds a small suit symbol beside the rank, so you can tell the suits apart in overlapping stacks.</source>
        <translation>Ajoute un petit symbole de couleur à côté de la valeur, pour distinguer les couleurs dans les piles qui se chevauchent.</translation>
    </message>
    <message>
        <source>Allow Murvane Solitaire in your desktop's Startup Applications (Autostart) settings.</source>
        <translation>Autorisez Murvane Solitaire dans les réglages « Applications au démarrage » (démarrage automatique) de votre bureau.</translation>
    </message>
    <message>
        <source>Tell me when a game is lost</source>
        <translation>Me prévenir quand une partie est perdue</translation>
    </message>
    <message>
        <source>Auto Complete</source>
        <translation>Fin automatique</translation>
    </message>
    <message>
        <source>Auto-Complete</source>
        <translation>Fin automatique</translation>
    </message>
    <message>
        <source>Autumn Maple</source>
        <translation>Érable d'automne</translation>
    </message>
    <message>
        <source>Best Score</source>
        <translation>Meilleur score</translation>
    </message>
    <message>
        <source>Best Streak</source>
        <translation>Meilleure série</translation>
    </message>
    <message>
        <source>Blueprint</source>
        <translation>Plan d'architecte</translation>
    </message>
    <message>
        <source>Build down the columns</source>
        <translation>Construire les colonnes en descendant</translation>
    </message>
    <message>
        <source>CARDS</source>
        <translation>CARTES</translation>
    </message>
    <message>
        <source>Can't see it? Look behind the arrow that collects hidden tray icons, or add a system tray to your panel.</source>
        <translation>Vous ne la voyez pas ? Regardez derrière la flèche qui regroupe les icônes masquées, ou ajoutez une zone de notification à votre tableau de bord.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Card Back, Theme: %@</source>
        <translation>Dos des cartes, thème : %@</translation>
    </message>
    <message>
        <source>Card Fan</source>
        <translation>Éventail de cartes</translation>
    </message>
    <message>
        <source>Changing this rule deals a new game and resets your win streak.</source>
        <translation>Modifier cette règle distribue une nouvelle partie et remet à zéro votre série de victoires.</translation>
    </message>
    <message>
        <source>Cherry Blossom Ink</source>
        <translation>Cerisier en fleurs à l'encre</translation>
    </message>
    <message>
        <source>Classic Indigo</source>
        <translation>Indigo classique</translation>
    </message>
    <message>
        <source>Click the icon in the system tray on your panel to open the game. Click anywhere else to hide it, and your game is right where you left it. Can't see it? Look in the tray's overflow area, or add a system tray to your panel.</source>
        <translation>Cliquez sur l'icône dans la zone de notification de votre tableau de bord pour ouvrir le jeu. Cliquez ailleurs pour le masquer : votre partie vous attend là où vous l'avez laissée. Vous ne la voyez pas ? Regardez parmi les icônes masquées, ou ajoutez une zone de notification à votre tableau de bord.</translation>
    </message>
    <message>
        <source>Click the stock to turn over cards. Choose Draw 1 or Draw 3 in Preferences. When the stock runs out, click it to turn the waste pile back over.</source>
        <translation>Cliquez sur la pioche pour retourner des cartes. Choisissez Tirer 1 carte ou Tirer 3 cartes dans les Préférences. Quand la pioche est vide, cliquez dessus pour y remettre la défausse.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Closing the window quits the game; your game in progress is kept for next time.</source>
        <translation>Fermer la fenêtre quitte le jeu ; votre partie en cours est conservée pour la prochaine fois.</translation>
    </message>
    <message>
        <source>Club</source>
        <translation>Trèfle</translation>
    </message>
    <message>
        <source>Clubs</source>
        <translation>trèfle</translation>
    </message>
    <message>
        <source>Column %2$lld: %1$lld face-down cards|one</source>
        <translation>Colonne %2$lld : %1$lld carte face cachée</translation>
    </message>
    <message>
        <source>Column %2$lld: %1$lld face-down cards|other</source>
        <translation>Colonne %2$lld : %1$lld cartes face cachée</translation>
    </message>
    <message>
        <source>Copper Circuit</source>
        <translation>Circuit de cuivre</translation>
    </message>
    <message>
        <source>Current Streak</source>
        <translation>Série en cours</translation>
    </message>
    <message>
        <source>Current score: %@</source>
        <translation>Score actuel : %@</translation>
    </message>
    <message>
        <source>Deal Mode</source>
        <translation>Mode de pioche</translation>
    </message>
    <message>
        <source>Deals Played</source>
        <translation>Donnes jouées</translation>
    </message>
    <message>
        <source>Deck Theme: %@</source>
        <translation>Thème du jeu de cartes : %@</translation>
    </message>
    <message>
        <source>Desert Dusk</source>
        <translation>Soir sur le désert</translation>
    </message>
    <message>
        <source>Diamond</source>
        <translation>Carreau</translation>
    </message>
    <message>
        <source>Diamonds</source>
        <translation>carreau</translation>
    </message>
    <message>
        <source>Double-tap to move to the best available spot.</source>
        <translation>Touchez deux fois pour placer la carte au meilleur endroit possible.</translation>
    </message>
    <message>
        <source>Drag a card, along with the cards on top of it, to where it fits. Or double-click a card to send it to the best spot.</source>
        <translation>Faites glisser une carte, avec celles posées dessus, là où elle peut aller. Ou double-cliquez sur une carte pour l'envoyer au meilleur endroit.</translation>
    </message>
    <message>
        <source>Draw 1</source>
        <translation>Tirer 1 carte</translation>
    </message>
    <message>
        <source>Draw 3</source>
        <translation>Tirer 3 cartes</translation>
    </message>
    <message>
        <source>Draw from the stock</source>
        <translation>Piocher des cartes</translation>
    </message>
    <message>
        <source>Draw, or move the card</source>
        <translation>Piocher, ou déplacer la carte</translation>
    </message>
    <message>
        <source>Drew %@.</source>
        <translation>Pioché : %@.</translation>
    </message>
    <message>
        <source>Empty Waste Pile</source>
        <translation>Défausse vide</translation>
    </message>
    <message>
        <source>Empty column %lld, accepts King only</source>
        <translation>Colonne %lld vide, n'accepte qu'un Roi</translation>
    </message>
    <message>
        <source>Face down card</source>
        <translation>Carte face cachée</translation>
    </message>
    <message>
        <source>Fill the foundations</source>
        <translation>Remplir les fondations</translation>
    </message>
    <message>
        <source>Final Score: %@</source>
        <translation>Score final : %@</translation>
    </message>
    <message>
        <source>Foundation pile %lld, accepts Ace first</source>
        <translation>Fondation %lld, commence par un As</translation>
    </message>
    <message>
        <source>GAMEPLAY</source>
        <translation>JEU</translation>
    </message>
    <message>
        <source>Game Size</source>
        <translation>Taille du jeu</translation>
    </message>
    <message>
        <source>Game Solved</source>
        <translation>Partie gagnée</translation>
    </message>
    <message>
        <source>Game Solved. Final Score: %@</source>
        <translation>Partie gagnée. Score final : %@</translation>
    </message>
    <message>
        <source>Games Lost</source>
        <translation>Parties perdues</translation>
    </message>
    <message>
        <source>Games Won</source>
        <translation>Parties gagnées</translation>
    </message>
    <message>
        <source>Got it</source>
        <translation>Compris</translation>
    </message>
    <message>
        <source>Heart</source>
        <translation>Cœur</translation>
    </message>
    <message>
        <source>Hearts</source>
        <translation>cœur</translation>
    </message>
    <message>
        <source>How to Play</source>
        <translation>Règles du jeu</translation>
    </message>
    <message>
        <source>In the seven columns, place a card on one that is a rank higher and the opposite color: a red 6 on a black 7. Only a King can go into an empty column.</source>
        <translation>Dans les sept colonnes, posez une carte sur une carte de valeur immédiatement supérieure et de couleur opposée : un 6 rouge sur un 7 noir. Seul un Roi peut occuper une colonne vide.</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>Valet</translation>
    </message>
    <message>
        <source>KEYBOARD</source>
        <translation>CLAVIER</translation>
    </message>
    <message>
        <source>Key Lime</source>
        <translation>Citron vert</translation>
    </message>
    <message>
        <source>King</source>
        <translation>Roi</translation>
    </message>
    <message>
        <source>Klondike solitaire that lives in the system tray.</source>
        <translation>Un jeu de patience Klondike qui vit dans la zone de notification.</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Grande</translation>
    </message>
    <message>
        <source>Launch at Login</source>
        <translation>Lancer à l'ouverture de session</translation>
    </message>
    <message>
        <source>Launch at login</source>
        <translation>Lancer à l'ouverture de session</translation>
    </message>
    <message>
        <source>Lives in your system tray</source>
        <translation>Dans la zone de notification</translation>
    </message>
    <message>
        <source>Menu: preferences, statistics, how to play, about, and quit</source>
        <translation>Menu : préférences, statistiques, règles du jeu, à propos et quitter</translation>
    </message>
    <message>
        <source>Midnight Constellation</source>
        <translation>Constellation de minuit</translation>
    </message>
    <message>
        <source>Moonlit Lavender</source>
        <translation>Lavande au clair de lune</translation>
    </message>
    <message>
        <source>Move %1$@ to %2$@</source>
        <translation>%1$@ vers %2$@</translation>
    </message>
    <message>
        <source>Move all 52 cards onto the four foundation piles, one suit each, from Ace up to King. Every deal is checked first, so it can always be won.</source>
        <translation>Placez les 52 cartes sur les quatre fondations, une par couleur, de l'As au Roi. Chaque donne est vérifiée à l'avance : elle peut toujours être gagnée.</translation>
    </message>
    <message>
        <source>Move between piles</source>
        <translation>Passer d'une pile à l'autre</translation>
    </message>
    <message>
        <source>Move cards</source>
        <translation>Déplacer des cartes</translation>
    </message>
    <message>
        <source>Move redone.</source>
        <translation>Coup rétabli.</translation>
    </message>
    <message>
        <source>Move to column %lld</source>
        <translation>Déplacer vers la colonne %lld</translation>
    </message>
    <message>
        <source>Move to empty column %lld</source>
        <translation>Déplacer vers la colonne vide %lld</translation>
    </message>
    <message>
        <source>Move to foundation</source>
        <translation>Déplacer vers la fondation</translation>
    </message>
    <message>
        <source>Move undone.</source>
        <translation>Coup annulé.</translation>
    </message>
    <message>
        <source>Murvane Solitaire</source>
        <translation>Murvane Solitaire</translation>
    </message>
    <message>
        <source>Murvane Solitaire lives in your system tray. Click its icon at the bottom of your screen to play. It looks like this:</source>
        <translation>Murvane Solitaire se trouve dans la zone de notification. Cliquez sur son icône en bas de l'écran pour jouer. Elle ressemble à ceci :</translation>
    </message>
    <message>
        <source>Murvane Solitaire lives in your system tray. Click its icon at the top of your screen to play. It looks like this:</source>
        <translation>Murvane Solitaire se trouve dans la zone de notification. Cliquez sur son icône en haut de l'écran pour jouer. Elle ressemble à ceci :</translation>
    </message>
    <message>
        <source>Murvane Solitaire lives in your system tray. Click its icon in your desktop's panel to play. It looks like this:</source>
        <translation>Murvane Solitaire se trouve dans la zone de notification. Cliquez sur son icône dans le tableau de bord de votre bureau pour jouer. Elle ressemble à ceci :</translation>
    </message>
    <message>
        <source>Need the rules? Open the game's menu and choose How to Play.</source>
        <translation>Besoin des règles ? Ouvrez le menu du jeu et choisissez Règles du jeu.</translation>
    </message>
    <message>
        <source>Neon Arcade</source>
        <translation>Arcade néon</translation>
    </message>
    <message>
        <source>New Deal</source>
        <translation>Nouvelle donne</translation>
    </message>
    <message>
        <source>New Deal (⌘N)</source>
        <translation>Nouvelle donne (⌘N)</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nouvelle partie</translation>
    </message>
    <message>
        <source>No winning line found from here.</source>
        <translation>Aucune solution gagnante à partir d'ici.</translation>
    </message>
    <message>
        <source>Ocean Tide</source>
        <translation>Marée océane</translation>
    </message>
    <message>
        <source>Off: classic Vegas limit, one pass through the stock in Draw 1 and three in Draw 3. Changing this starts a new game.</source>
        <translation>Désactivé : limite Vegas classique, un seul passage dans la pioche en mode Tirer 1 carte et trois en mode Tirer 3 cartes. Modifier ce réglage lance une nouvelle partie.</translation>
    </message>
    <message>
        <source>Once the game is decided, Auto-Complete finishes it for you. You can turn it off in Preferences.</source>
        <translation>Dès que l'issue de la partie ne fait plus de doute, la fin automatique la termine pour vous. Vous pouvez la désactiver dans les Préférences.</translation>
    </message>
    <message>
        <source>Onyx Slate</source>
        <translation>Ardoise onyx</translation>
    </message>
    <message>
        <source>Open Murvane Solitaire</source>
        <translation>Ouvrir Murvane Solitaire</translation>
    </message>
    <message>
        <source>Open Preferences</source>
        <translation>Ouvrir les préférences</translation>
    </message>
    <message>
        <source>Open the game's panel at once. If the game is already running, its panel opens.</source>
        <translation>Ouvre tout de suite le jeu. S’il est déjà lancé, c’est sa fenêtre qui s’ouvre.</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Options :</translation>
    </message>
    <message>
        <source>Pass %lld of %lld</source>
        <translation>Passage %lld sur %lld</translation>
    </message>
    <message>
        <source>Pass %lld/%lld</source>
        <translation>Passage %lld/%lld</translation>
    </message>
    <message>
        <source>Play Again</source>
        <translation>Rejouer</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Préférences</translation>
    </message>
    <message>
        <source>Preferences, Statistics, How to Play, About &amp; Quit</source>
        <translation>Préférences, statistiques, règles du jeu, à propos et quitter</translation>
    </message>
    <message>
        <source>Preferences…</source>
        <translation>Préférences…</translation>
    </message>
    <message>
        <source>Published by Kestrune LLC</source>
        <translation>Publié par Kestrune LLC</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>Dame</translation>
    </message>
    <message>
        <source>Quit Murvane Solitaire</source>
        <translation>Quitter Murvane Solitaire</translation>
    </message>
    <message>
        <source>Recycle Waste into Stock</source>
        <translation>Remettre la défausse dans la pioche</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <source>Reset All Statistics</source>
        <translation>Réinitialiser toutes les statistiques</translation>
    </message>
    <message>
        <source>Reset all statistics</source>
        <translation>Réinitialiser toutes les statistiques</translation>
    </message>
    <message>
        <source>Reset all statistics?</source>
        <translation>Réinitialiser toutes les statistiques ?</translation>
    </message>
    <message>
        <source>Scoring Rule System</source>
        <translation>Système de points</translation>
    </message>
    <message>
        <source>Scoring System</source>
        <translation>Système de points</translation>
    </message>
    <message>
        <source>Send the card to a column</source>
        <translation>Envoyer la carte vers une colonne</translation>
    </message>
    <message>
        <source>Show Hint</source>
        <translation>Afficher un indice</translation>
    </message>
    <message>
        <source>Show Suit in Card Corner</source>
        <translation>Afficher la couleur dans le coin des cartes</translation>
    </message>
    <message>
        <source>Show a hint</source>
        <translation>Afficher un indice</translation>
    </message>
    <message>
        <source>Show suit in card corner</source>
        <translation>Afficher la couleur dans le coin des cartes</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Affiche la version et quitte.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Affiche cette aide et quitte.</translation>
    </message>
    <message>
        <source>Solid Amber</source>
        <translation>Ambre</translation>
    </message>
    <message>
        <source>Solid Cerulean</source>
        <translation>Bleu céruléen</translation>
    </message>
    <message>
        <source>Solid Cranberry</source>
        <translation>Canneberge</translation>
    </message>
    <message>
        <source>Solid Leaf</source>
        <translation>Vert feuille</translation>
    </message>
    <message>
        <source>Solid Mauve</source>
        <translation>Mauve</translation>
    </message>
    <message>
        <source>Solid Sand</source>
        <translation>Sable</translation>
    </message>
    <message>
        <source>Solid Slate</source>
        <translation>Ardoise</translation>
    </message>
    <message>
        <source>Solid Terracotta</source>
        <translation>Terre cuite</translation>
    </message>
    <message>
        <source>Solid Twilight</source>
        <translation>Crépuscule</translation>
    </message>
    <message>
        <source>Spade</source>
        <translation>Pique</translation>
    </message>
    <message>
        <source>Spades</source>
        <translation>pique</translation>
    </message>
    <message>
        <source>Spring Bloom</source>
        <translation>Floraison printanière</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Standard or Vegas scoring</source>
        <translation>Score standard ou Vegas</translation>
    </message>
    <message>
        <source>Standard scoring adds points as you play. Vegas scoring plays for a bankroll: each game costs an ante, and every card on a foundation wins money back. Pick one in Preferences.</source>
        <translation>Le score standard ajoute des points au fil du jeu. Le score Vegas se joue avec une cagnotte : chaque partie coûte une mise, et chaque carte posée sur une fondation rapporte de l'argent. Choisissez l'un ou l'autre dans les Préférences.</translation>
    </message>
    <message>
        <source>Start a new game deal</source>
        <translation>Distribuer une nouvelle partie</translation>
    </message>
    <message>
        <source>Starting a new deal now will reset your win streak.</source>
        <translation>Commencer une nouvelle donne maintenant remettra à zéro votre série de victoires.</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>Stock Deal Mode</source>
        <translation>Mode de pioche</translation>
    </message>
    <message>
        <source>Stock pile empty.</source>
        <translation>Pioche vide.</translation>
    </message>
    <message>
        <source>Stock pile empty. No redeals left.</source>
        <translation>Pioche vide. Plus aucun passage possible.</translation>
    </message>
    <message>
        <source>Stock pile empty. Tap to recycle waste.</source>
        <translation>Pioche vide. Touchez pour y remettre la défausse.</translation>
    </message>
    <message>
        <source>Stock pile. %lld cards remaining. Tap to draw.|one</source>
        <translation>Pioche. %lld carte restante. Touchez pour piocher.</translation>
    </message>
    <message>
        <source>Stock pile. %lld cards remaining. Tap to draw.|other</source>
        <translation>Pioche. %lld cartes restantes. Touchez pour piocher.</translation>
    </message>
    <message>
        <source>Studio Kestrune</source>
        <translation>Studio Kestrune</translation>
    </message>
    <message>
        <source>Summer Sol</source>
        <translation>Soleil d'été</translation>
    </message>
    <message>
        <source>The game's icon, highlighted in the system tray</source>
        <translation>L'icône du jeu, mise en évidence dans la zone de notification</translation>
    </message>
    <message>
        <source>This clears your deals, wins, streaks, best score and Vegas bankroll. It can't be undone.</source>
        <translation>Cela efface vos donnes, victoires, séries, meilleur score et cagnotte Vegas. Cette action est irréversible.</translation>
    </message>
    <message>
        <source>This game can no longer be won. Undo or start a new deal.</source>
        <translation>Cette partie ne peut plus être gagnée. Annulez un coup ou lancez une nouvelle donne.</translation>
    </message>
    <message>
        <source>Tray Icon</source>
        <translation>Icône de notification</translation>
    </message>
    <message>
        <source>Tray icon: %@</source>
        <translation>Icône de notification : %@</translation>
    </message>
    <message>
        <source>Turn the waste back over</source>
        <translation>Retourner la défausse</translation>
    </message>
    <message>
        <source>Turned up %@.</source>
        <translation>Retourné : %@.</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler le coup</translation>
    </message>
    <message>
        <source>Undo Move (⌘Z)</source>
        <translation>Annuler le coup (⌘Z)</translation>
    </message>
    <message>
        <source>Undo and new deals</source>
        <translation>Annuler et nouvelles donnes</translation>
    </message>
    <message>
        <source>Undo last card move</source>
        <translation>Annuler le dernier coup</translation>
    </message>
    <message>
        <source>Restart Deal puts the cards back as they were dealt, and Undo takes it back. In Vegas it charges the ante again; what the deal has won stays in the bankroll.</source>
        <translation>Recommencer la donne remet les cartes telles qu’elles ont été distribuées, et Annuler revient en arrière. En Vegas, la mise est prélevée de nouveau ; ce que la donne a gagné reste dans la cagnotte.</translation>
    </message>
    <message>
        <source>Undo takes back your last move. Start a fresh deal any time with New Deal.</source>
        <translation>Annuler reprend votre dernier coup. Lancez une nouvelle partie à tout moment avec Nouvelle donne.</translation>
    </message>
    <message>
        <source>Unlimited Redeals</source>
        <translation>Passages illimités</translation>
    </message>
    <message>
        <source>Unlimited redeals</source>
        <translation>Passages illimités</translation>
    </message>
    <message>
        <source>Usage: %@ [--open] [--help] [--version]</source>
        <translation>Utilisation : %@ [--open] [--help] [--version]</translation>
    </message>
    <message>
        <source>Vegas</source>
        <translation>Vegas</translation>
    </message>
    <message>
        <source>Vegas Bankroll</source>
        <translation>Cagnotte Vegas</translation>
    </message>
    <message>
        <source>Version %@</source>
        <translation>Version %@</translation>
    </message>
    <message>
        <source>Visit </source>
        <translation>Visiter </translation>
    </message>
    <message>
        <source>Visit publisher website </source>
        <translation>Visiter le site de l'éditeur </translation>
    </message>
    <message>
        <source>Waste turned over into the stock.</source>
        <translation>Défausse remise dans la pioche.</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Bienvenue</translation>
    </message>
    <message>
        <source>Welcome to Murvane Solitaire</source>
        <translation>Bienvenue dans Murvane Solitaire</translation>
    </message>
    <message>
        <source>White Torii</source>
        <translation>Torii blanc</translation>
    </message>
    <message>
        <source>Win Rate</source>
        <translation>Taux de victoire</translation>
    </message>
    <message>
        <source>Winter Frost</source>
        <translation>Givre d'hiver</translation>
    </message>
    <message>
        <source>Your desktop has no system tray, so Murvane Solitaire opens as a window instead. Where there is a tray, its icon looks like this:</source>
        <translation>Votre bureau n'a pas de zone de notification : Murvane Solitaire s'ouvre donc dans une fenêtre. Là où elle existe, son icône ressemble à ceci :</translation>
    </message>
    <message>
        <source>cannot connect to a display (DISPLAY and WAYLAND_DISPLAY are unset or unreachable)</source>
        <translation>impossible de se connecter à un écran (DISPLAY et WAYLAND_DISPLAY sont vides ou injoignables)</translation>
    </message>
    <message>
        <source>column %lld</source>
        <translation>la colonne %lld</translation>
    </message>
    <message>
        <source>foundation %lld</source>
        <translation>la fondation %lld</translation>
    </message>
    <message>
        <source>option '%@' needs a value</source>
        <translation>l’option « %@ » attend une valeur</translation>
    </message>
    <message>
        <source>unrecognized argument '%@'</source>
        <translation>argument non reconnu « %@ »</translation>
    </message>
    <message>
        <source>© 2026 Kestrune LLC</source>
        <translation>© 2026 Kestrune LLC</translation>
    </message>
    <message>
        <source>Enter a deal number from 1 to 2147483647, or a deal code.</source>
        <translation>Saisissez un numéro de donne de 1 à 2147483647, ou un code de donne.</translation>
    </message>
    <message>
        <source>Deal numbers run from 1 to 2147483647.</source>
        <translation>Les numéros de donne vont de 1 à 2147483647.</translation>
    </message>
    <message>
        <source>This deal code has a typing mistake. Check it and try again.</source>
        <translation>Ce code de donne contient une faute de frappe. Vérifiez-le et réessayez.</translation>
    </message>
    <message>
        <source>This deal code is incomplete. Check that you copied all of it.</source>
        <translation>Ce code de donne est incomplet. Vérifiez que vous l'avez copié en entier.</translation>
    </message>
    <message>
        <source>Deal code copied</source>
        <translation>Code de la donne copié</translation>
    </message>
    <message>
        <source>unlimited passes</source>
        <translation>passages illimités</translation>
    </message>
    <message>
        <source>Murvane Solitaire deal %1$@, number %2$lld (%3$@)</source>
        <translation>Murvane Solitaire, donne %1$@, numéro %2$lld (%3$@)</translation>
    </message>
    <message>
        <source>Murvane Solitaire deal %1$@ (%2$@)</source>
        <translation>Murvane Solitaire, donne %1$@ (%2$@)</translation>
    </message>
    <message>
        <source>%1$@, %2$@</source>
        <translation>%1$@, %2$@</translation>
    </message>
    <message>
        <source>%1$lld played · %2$lld won · %3$@</source>
        <translation>%1$lld jouées · %2$lld gagnées · %3$@</translation>
    </message>
    <message>
        <source>Lost: could no longer be won when it was replaced. Abandoned: replaced while it could still be won. Games Lost counts every deal not won.</source>
        <translation>Perdue : ne pouvait plus être gagnée quand elle a été remplacée. Abandonnée : remplacée alors qu’elle pouvait encore être gagnée. « Parties perdues » compte chaque donne non gagnée.</translation>
    </message>
    <message>
        <source>No finished deals yet.</source>
        <translation>Aucune donne terminée pour l’instant.</translation>
    </message>
    <message>
        <source>By rule set</source>
        <translation>Par règles</translation>
    </message>
    <message>
        <source>Restart Deal</source>
        <translation>Recommencer la donne</translation>
    </message>
    <message>
        <source>Copy Deal Code</source>
        <translation>Copier le code de la donne</translation>
    </message>
    <message>
        <source>Play Deal…</source>
        <translation>Jouer une donne…</translation>
    </message>
    <message>
        <source>Play Deal</source>
        <translation>Jouer une donne</translation>
    </message>
    <message>
        <source>Deal %lld</source>
        <translation>Donne %lld</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Jouer</translation>
    </message>
    <message>
        <source>Deal number or code</source>
        <translation>Numéro ou code de donne</translation>
    </message>
    <message>
        <source>Enter a deal number to play the same deal as anyone else, or paste a deal code someone shared.</source>
        <translation>Saisissez un numéro pour jouer la même donne que tout le monde, ou collez un code de donne partagé.</translation>
    </message>
    <message>
        <source>%lld passes|one</source>
        <translation>%lld passage</translation>
    </message>
    <message>
        <source>%lld passes|other</source>
        <translation>%lld passages</translation>
    </message>
    <message>
        <source>Last %1$lld deals: %2$lld won, %3$lld lost, %4$lld abandoned|one</source>
        <translation>%1$lld dernière donne : %2$lld gagnée, %3$lld perdue, %4$lld abandonnée</translation>
    </message>
    <message>
        <source>Last %1$lld deals: %2$lld won, %3$lld lost, %4$lld abandoned|other</source>
        <translation>%1$lld dernières donnes : %2$lld gagnées, %3$lld perdues, %4$lld abandonnées</translation>
    </message>
    <message>
        <source>Rule set</source>
        <translation>Règles</translation>
    </message>
    <message>
        <source>Played</source>
        <translation>Jouées</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Gagnées</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Taux</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Perdues</translation>
    </message>
    <message>
        <source>Abandoned</source>
        <translation>Abandonnées</translation>
    </message>
    <message>
        <source>Watch Solution</source>
        <translation>Voir la solution</translation>
    </message>
    <message>
        <source>Watching the solution. Press any key to stop.</source>
        <translation>Lecture de la solution. Appuyez sur une touche pour l'arrêter.</translation>
    </message>
    <message>
        <source>Choose Watch Solution in the menu and the game plays its winning line from where you are, one move at a time. A click or any key stops it, and Undo takes its moves back. A deal you watched counts as shown, never as won.</source>
        <translation>Choisissez Voir la solution dans le menu et le jeu joue sa ligne gagnante depuis la position actuelle, un coup à la fois. Un clic ou une touche l'arrête, et Annuler reprend ses coups. Une donne regardée compte comme montrée, jamais comme gagnée.</translation>
    </message>
    <message>
        <source>Shown</source>
        <translation>Montrées</translation>
    </message>
    <message>
        <source>Shown: %lld</source>
        <translation>Montrées : %lld</translation>
    </message>
    <message>
        <source>Shown: the game played its winning line with Watch Solution, so it never counts as won.</source>
        <translation>Montrées : le jeu a joué sa ligne gagnante avec Voir la solution ; elles ne comptent donc jamais comme gagnées.</translation>
    </message>
    <message>
        <source>Four-colour suits</source>
        <translation>Jeu à quatre couleurs</translation>
    </message>
    <message>
        <source>Spades black, hearts red, diamonds blue, clubs green.</source>
        <translation>Piques en noir, cœurs en rouge, carreaux en bleu, trèfles en vert.</translation>
    </message>
    <message>
        <source>Today's Deal</source>
        <translation>Donne du jour</translation>
    </message>
    <message>
        <source>Today's Deal, %@</source>
        <translation>Donne du jour, %@</translation>
    </message>
    <message>
        <source>d MMMM</source>
        <translation>d MMMM</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Donnes du jour</translation>
    </message>
    <message>
        <source>%1$lld played · %2$lld won · current streak %3$lld · best streak %4$lld</source>
        <translation>%1$lld jouées · %2$lld gagnées · série en cours %3$lld · meilleure série %4$lld</translation>
    </message>
    <message>
        <source>Last %1$lld days: won %2$lld, played but not won %3$lld, not played %4$lld</source>
        <translation>%1$lld derniers jours : gagnés %2$lld, joués sans victoire %3$lld, non joués %4$lld</translation>
    </message>
    <message>
        <source>Played, not won</source>
        <translation>Jouée, non gagnée</translation>
    </message>
    <message>
        <source>Not played</source>
        <translation>Non jouée</translation>
    </message>
    <message>
        <source>Every day brings one deal, the same for every player. Choose Today's Deal in the menu; it is checked once you have won it. Statistics counts the days you played and won, and your daily streak: the days in a row whose deal you won. A deal counts for the day it was dealt, even if you finish it after midnight.</source>
        <translation>Chaque jour apporte une donne, la même pour tous les joueurs. Choisissez Donne du jour dans le menu ; elle est cochée une fois gagnée. Les statistiques comptent les jours joués et gagnés, et votre série quotidienne : les jours d’affilée dont vous avez gagné la donne. Une donne compte pour le jour où elle a été distribuée, même si vous la terminez après minuit.</translation>
    </message>
    <message>
        <source>%1$lld:%2$@</source>
        <translation>%1$lld:%2$@</translation>
    </message>
    <message>
        <source>%1$lld:%2$@:%3$@</source>
        <translation>%1$lld:%2$@:%3$@</translation>
    </message>
    <message>
        <source>Show time and moves</source>
        <translation>Afficher le temps et les coups</translation>
    </message>
    <message>
        <source>Show time and moves</source>
        <translation>Afficher le temps et les coups</translation>
    </message>
    <message>
        <source>Shows the deal's time and moves in the header, and keeps your fastest win and fewest moves for each rule set.</source>
        <translation>Affiche le temps et les coups de la donne dans l'en-tête, et garde votre victoire la plus rapide et le moins de coups pour chaque jeu de règles.</translation>
    </message>
    <message>
        <source>Time and moves</source>
        <translation>Temps et coups</translation>
    </message>
    <message>
        <source>Fastest Win</source>
        <translation>Victoire la plus rapide</translation>
    </message>
    <message>
        <source>Fewest Moves</source>
        <translation>Moins de coups</translation>
    </message>
    <message>
        <source>%2$@ · %1$lld moves|one</source>
        <translation>%2$@ · %1$lld coup</translation>
    </message>
    <message>
        <source>%2$@ · %1$lld moves|other</source>
        <translation>%2$@ · %1$lld coups</translation>
    </message>
    <message>
        <source>Time %2$@, %1$lld moves|one</source>
        <translation>Temps %2$@, %1$lld coup</translation>
    </message>
    <message>
        <source>Time %2$@, %1$lld moves|other</source>
        <translation>Temps %2$@, %1$lld coups</translation>
    </message>
    <message>
        <source>Move %2$@ and %1$lld cards to %3$@|one</source>
        <translation>%2$@ et %1$lld carte vers %3$@</translation>
    </message>
    <message>
        <source>Move %2$@ and %1$lld cards to %3$@|other</source>
        <translation>%2$@ et %1$lld cartes vers %3$@</translation>
    </message>
    <message>
        <source>Dealing…</source>
        <translation>Distribution…</translation>
    </message>
</context>
</TS>
