<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>GameTexts</name>
    <message>
        <location filename="../lang/gametexts.cpp" line="+13"/>
        <source>Human</source>
        <extracomment>The first player&apos;s name until it is changed: a person.</extracomment>
        <translation>Humain</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Silicon</source>
        <extracomment>The second player&apos;s name until it is changed: a computer.</extracomment>
        <translation>Silicium</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Positron</source>
        <extracomment>The third player&apos;s name until it is changed: a computer.</extracomment>
        <translation>Positron</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Photon</source>
        <extracomment>The fourth player&apos;s name until it is changed: a computer.</extracomment>
        <translation>Photon</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Quark</source>
        <extracomment>The fifth player&apos;s name until it is changed: a computer.</extracomment>
        <translation>Quark</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Neutrino</source>
        <extracomment>The sixth player&apos;s name until it is changed: a computer.</extracomment>
        <translation>Neutrino</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>1st</source>
        <extracomment>A finishing place, noted under the player&apos;s name in the side panel.</extracomment>
        <translation>1er</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>2nd</source>
        <extracomment>A finishing place, noted under the player&apos;s name in the side panel.</extracomment>
        <translation>2e</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>3rd</source>
        <extracomment>A finishing place, noted under the player&apos;s name in the side panel.</extracomment>
        <translation>3e</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>4th</source>
        <extracomment>A finishing place, noted under the player&apos;s name in the side panel.</extracomment>
        <translation>4e</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>5th</source>
        <extracomment>A finishing place, noted under the player&apos;s name in the side panel.</extracomment>
        <translation>5e</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>6th</source>
        <extracomment>A finishing place, noted under the player&apos;s name in the side panel.</extracomment>
        <translation>6e</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>WELCOME</source>
        <extracomment>The referee&apos;s first words, line 1 of 3.</extracomment>
        <translation>BIENVENUE</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+37"/>
        <source>Please select new</source>
        <extracomment>The referee&apos;s first words, line 2 of 3.</extracomment>
        <translation>Lancez une partie</translation>
    </message>
    <message>
        <location line="-35"/>
        <location line="+35"/>
        <source>game in menu bar.</source>
        <extracomment>The referee&apos;s first words, line 3 of 3.</extracomment>
        <translation>depuis le menu.</translation>
    </message>
    <message>
        <location line="-29"/>
        <source>Move mouse to one</source>
        <extracomment>A person is to move: referee line 2 of 3 (after the name).</extracomment>
        <translation>Pointez la souris</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>of your pieces.</source>
        <extracomment>A person is to move: referee line 3 of 3.</extracomment>
        <translation>sur vos pions.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Board re-position</source>
        <extracomment>The board turns before a player&apos;s turn: referee line 2 of 3.</extracomment>
        <translation>Le plateau est</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>is in progress...</source>
        <extracomment>The board turns before a player&apos;s turn: referee line 3 of 3.</extracomment>
        <translation>en rotation...</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Computer AI is</source>
        <extracomment>A computer player searches its move: referee line 2 of 3.</extracomment>
        <translation>L’ordinateur</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>thinking......</source>
        <extracomment>A computer player searches its move: referee line 3 of 3.</extracomment>
        <translation>réfléchit......</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>GAME OVER</source>
        <extracomment>The game has ended: referee line 1 of 3.</extracomment>
        <translation>PARTIE TERMINÉE</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Yep! That&apos;s yours.</source>
        <extracomment>The pointer is over one of the player&apos;s pieces: referee line 2 of 3.</extracomment>
        <translation>Oui, à vous&#xa0;!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Click &amp; drag it.</source>
        <extracomment>The pointer is over one of the player&apos;s pieces: referee line 3 of 3.</extracomment>
        <translation>Cliquez-glissez.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>That&apos;s not yours!</source>
        <extracomment>The pointer is over another player&apos;s piece: referee line 2 of 3.</extracomment>
        <translation>Pas à vous&#xa0;!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Try a different color.</source>
        <extracomment>The pointer is over another player&apos;s piece: referee line 3 of 3.</extracomment>
        <translation>Changez de couleur.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Now, drag it to a spot</source>
        <extracomment>A piece is in the hand: referee line 2 of 4.</extracomment>
        <translation>Glissez-le d’un pas</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>using one move or one</source>
        <extracomment>A piece is in the hand: referee line 3 of 4.</extracomment>
        <translation>ou d’un ou plusieurs</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>or more jumps.</source>
        <extracomment>A piece is in the hand: referee line 4 of 4.</extracomment>
        <translation>sauts.</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Tavolux</source>
        <translation>Tavolux</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>New Game</source>
        <translation>Nouvelle partie</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>There is still a game in progress.  Do you want to abandon it?</source>
        <translation>Une partie est encore en cours. Voulez-vous l’abandonner&#xa0;?</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Player #%1, &quot;%2&quot;,
has moved all the pieces to destination!!!
</source>
        <extracomment>%1 is the player&apos;s number 1 to 6, %2 the player&apos;s name.</extracomment>
        <translation>Le joueur %1, «&#xa0;%2&#xa0;»,
a amené tous ses pions à destination&#xa0;!!!
</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>
But there are still 2 players left.
Do you want to continue the game?</source>
        <translation>
Mais il reste encore 2 joueurs.
Voulez-vous continuer la partie&#xa0;?</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>
But there are still %1 players left.
Do you want to continue the game?</source>
        <extracomment>At a table of four or six: %1 is the number of players still in play, 3 to 5.</extracomment>
        <translation>
Mais il reste encore %1 joueurs.
Voulez-vous continuer la partie&#xa0;?</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Computer AI</source>
        <translation>Ordinateur</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>No valid move was found!</source>
        <translation>Aucun coup possible&#xa0;!</translation>
    </message>
</context>
<context>
    <name>PlayerChoices</name>
    <message>
        <location filename="../dialogs/playerchoices.cpp" line="+20"/>
        <source>Computer</source>
        <extracomment>The picture of a player the computer plays.</extracomment>
        <translation>Ordinateur</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Guy</source>
        <extracomment>A player&apos;s picture: a grown man.</extracomment>
        <translation>Monsieur</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Lady</source>
        <extracomment>A player&apos;s picture: a grown woman.</extracomment>
        <translation>Madame</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Boy</source>
        <translation>Garçon</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Girl</source>
        <translation>Fille</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Baby</source>
        <translation>Bébé</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Bear</source>
        <extracomment>A player&apos;s picture: a teddy bear.</extracomment>
        <translation>Nounours</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Bottom</source>
        <extracomment>The board turned so that the player&apos;s home point lies at the bottom.</extracomment>
        <translation>En bas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Top</source>
        <translation>En haut</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lower-Left</source>
        <translation>En bas à gauche</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lower-Right</source>
        <translation>En bas à droite</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Upper-Left</source>
        <translation>En haut à gauche</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Upper-Right</source>
        <translation>En haut à droite</translation>
    </message>
    <message>
        <location filename="../view/windowpainter.cpp" line="+113"/>
        <location filename="../dialogs/playerchoices.cpp" line="+7"/>
        <source>Beginner</source>
        <extracomment>How well a computer player plays: the weakest of three levels.</extracomment>
        <translation>Débutant</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../dialogs/playerchoices.cpp" line="+2"/>
        <source>Standard</source>
        <extracomment>How well a computer player plays: the middle of three levels, the usual one.</extracomment>
        <translation>Standard</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../dialogs/playerchoices.cpp" line="+2"/>
        <source>Expert</source>
        <extracomment>How well a computer player plays: the strongest of three levels.</extracomment>
        <translation>Expert</translation>
    </message>
</context>
<context>
    <name>Prompt</name>
    <message>
        <location filename="../app/prompttable.cpp" line="+17"/>
        <source>Play a new game of Chinese Checkers.</source>
        <translation>Commencer une nouvelle partie de dames chinoises.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open a previously saved game.</source>
        <translation>Ouvrir une partie enregistrée.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save the currently unfinished game.</source>
        <translation>Enregistrer la partie en cours.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Change playing options in the middle of a game.</source>
        <translation>Modifier les options en cours de partie.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Exit Tavolux.</source>
        <translation>Quitter Tavolux.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Undo last move.</source>
        <translation>Annuler le dernier coup.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Redo the previously undone move.</source>
        <translation>Rejouer le coup annulé.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show all valid moves of a playing piece.</source>
        <translation>Afficher tous les coups possibles d’un pion.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Suggest a move for the player to move.</source>
        <translation>Suggérer un coup au joueur dont c’est le tour.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Toggle referee window on/off.</source>
        <translation>Afficher ou masquer l’arbitre.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show or hide the moves made since your last move.</source>
        <translation>Afficher ou masquer les coups joués depuis votre dernier coup.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Restore all windows to their default settings.</source>
        <translation>Remettre toutes les fenêtres dans leur état par défaut.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show or hide the list of the moves made in this game.</source>
        <translation>Afficher ou masquer la liste des coups de cette partie.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save every move of this game as a game record.</source>
        <translation>Enregistrer tous les coups de cette partie dans un relevé de partie.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open a game record and step through its moves.</source>
        <translation>Ouvrir un relevé de partie et le parcourir coup par coup.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show how each player has fared over the games.</source>
        <translation>Montrer les résultats de chaque joueur au fil des parties.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Mark the holes a lifted piece may reach, or stop marking them.</source>
        <translation>Marquer les trous qu’un pion soulevé peut atteindre, ou cesser de les marquer.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show or hide each player&apos;s symbol on the pieces.</source>
        <translation>Afficher ou masquer le symbole de chaque joueur sur ses pions.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Display help documentation on Chinese Checkers playing rules.</source>
        <translation>Afficher les règles des dames chinoises.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Display Tavolux&apos;s information and copyright.</source>
        <translation>Afficher les informations et le copyright de Tavolux.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show all valid moves.</source>
        <translation>Afficher tous les coups possibles.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Computer AI is thinking...</source>
        <translation>L’ordinateur réfléchit...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Board re-position is in progress...</source>
        <translation>Le plateau tourne...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ready.</source>
        <translation>Prêt.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Drop the piece on a hole of the board.</source>
        <translation>Posez le pion sur un trou du plateau.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>That hole is taken.</source>
        <translation>Ce trou est déjà pris.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A piece may pass through another player&apos;s point, but not stop there.</source>
        <translation>Un pion peut traverser la pointe d’un autre joueur, mais pas s’y arrêter.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The piece cannot reach that hole in one move.</source>
        <translation>Ce pion ne peut pas atteindre ce trou en un seul coup.</translation>
    </message>
</context>
<context>
    <name>tavolux::AboutBox</name>
    <message>
        <location filename="../dialogs/aboutbox.cpp" line="+73"/>
        <source>About Tavolux</source>
        <translation>À propos de Tavolux</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Tavolux (64-bit)
Version 1.32</source>
        <translation>Tavolux (64 bits)
Version 1.32</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tavolux (32-bit)
Version 1.32</source>
        <translation>Tavolux (32 bits)
Version 1.32</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>README.TXT</source>
        <translation>README.TXT</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>LICENSE.TXT</source>
        <translation>LICENSE.TXT</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>A text that comes with the program</source>
        <translation>Un texte fourni avec le programme</translation>
    </message>
</context>
<context>
    <name>tavolux::AccessibleTexts</name>
    <message>
        <location filename="../dialogs/accessibletexts.cpp" line="+21"/>
        <source>Takes the choices and closes the window</source>
        <translation>Applique les choix et ferme la fenêtre</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Closes the window and changes nothing</source>
        <translation>Ferme la fenêtre sans rien changer</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>A beep after every move of a computer</source>
        <translation>Un bip après chaque coup d’un ordinateur</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Turns the board to the player&apos;s preferred view at each of its turns</source>
        <translation>Tourne le plateau vers la vue préférée du joueur à chacun de ses tours</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The side of the screen the player&apos;s home point is turned to</source>
        <translation>Le côté de l’écran vers lequel le camp du joueur est tourné</translation>
    </message>
</context>
<context>
    <name>tavolux::BoardVoice</name>
    <message>
        <location filename="../app/boardvoice.cpp" line="+41"/>
        <source>The last move made</source>
        <translation>Le dernier coup joué</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Board</source>
        <extracomment>The board&apos;s name for a screen reader while the keys&apos; ring is hidden.</extracomment>
        <translation>Plateau</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The board. The arrow keys move a ring from hole to hole; Space or Enter picks up a piece and puts it down; Escape puts it back.</source>
        <translation>Le plateau. Les flèches déplacent un anneau de trou en trou&#xa0;; Espace ou Entrée prend un pion et le pose&#xa0;; Échap le remet en place.</translation>
    </message>
    <message>
        <location line="+64"/>
        <source>%1, %2&apos;s piece</source>
        <extracomment>What a screen reader says of the hole under the keys&apos; ring: its name and whose piece is there.</extracomment>
        <translation>%1, pion de %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1, empty</source>
        <extracomment>What a screen reader says of the hole under the keys&apos; ring when no piece is there.</extracomment>
        <translation>%1, vide</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>%1: %2</source>
        <extracomment>What a screen reader says of a move: the mover&apos;s name and the move (&quot;Silicon: m4-k4-i4&quot;).</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>tavolux::DialogFileChooser</name>
    <message>
        <location filename="../app/gamefiles.cpp" line="+46"/>
        <source>Save Game Record</source>
        <translation>Enregistrer le relevé de partie</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Open Game Record</source>
        <translation>Ouvrir un relevé de partie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save Game</source>
        <translation>Enregistrer la partie</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Load Game</source>
        <translation>Charger une partie</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Tavolux Files (*.tvx)</source>
        <translation>Parties Tavolux (*.tvx)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Tavolux Game Records (*.tvr)</source>
        <translation>Relevés de parties Tavolux (*.tvr)</translation>
    </message>
</context>
<context>
    <name>tavolux::GameApp</name>
    <message>
        <location filename="../app/gameapp.cpp" line="+41"/>
        <source>Chinese checkers</source>
        <translation>Dames chinoises</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>A saved game to open.</source>
        <translation>Une partie enregistrée à ouvrir.</translation>
    </message>
</context>
<context>
    <name>tavolux::GameFiles</name>
    <message>
        <location filename="../app/gamefiles.cpp" line="+18"/>
        <location line="+19"/>
        <location line="+13"/>
        <source>Save Game</source>
        <translation>Enregistrer la partie</translation>
    </message>
    <message>
        <location line="-32"/>
        <source>There is no unfinished game to save!</source>
        <translation>Il n’y a aucune partie en cours à enregistrer&#xa0;!</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 existe déjà.
Voulez-vous le remplacer&#xa0;?</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>The game could not be saved as &quot;%1&quot;.

%2</source>
        <translation>Impossible d’enregistrer la partie sous «&#xa0;%1&#xa0;».

%2</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+13"/>
        <location line="+8"/>
        <source>Load Game</source>
        <translation>Charger une partie</translation>
    </message>
    <message>
        <location line="-20"/>
        <source>There is still a game in progress.  Do you want to abandon it?</source>
        <translation>Une partie est encore en cours. Voulez-vous l’abandonner&#xa0;?</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>The file &quot;%1&quot; could not be opened.

%2</source>
        <translation>Impossible d’ouvrir le fichier «&#xa0;%1&#xa0;».

%2</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>That is not a Tavolux file!</source>
        <translation>Ce n’est pas un fichier Tavolux&#xa0;!</translation>
    </message>
</context>
<context>
    <name>tavolux::MainWindow</name>
    <message>
        <location filename="../app/mainwindow.cpp" line="+42"/>
        <source>Tavolux</source>
        <translation>Tavolux</translation>
    </message>
    <message>
        <location line="+106"/>
        <source>Rotate clockwise</source>
        <translation>Tourner dans le sens horaire</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rotate counter-clockwise</source>
        <translation>Tourner dans le sens antihoraire</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Turns the board one step; the game goes on as it was</source>
        <translation>Tourne le plateau d’un cran&#xa0;; la partie continue comme avant</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>What the game is doing</source>
        <extracomment>The accessible description of the status bar&apos;s prompt line.</extracomment>
        <translation>Ce que fait le jeu</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>Reviewing an earlier position: Escape returns to the game.</source>
        <extracomment>In the status line while the board shows an earlier position.</extracomment>
        <translation>Position antérieure&#xa0;: Échap revient à la partie.</translation>
    </message>
    <message>
        <location line="+191"/>
        <source>Exit Game</source>
        <translation>Quitter le jeu</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Do you really want to exit the game?</source>
        <translation>Voulez-vous vraiment quitter le jeu&#xa0;?</translation>
    </message>
    <message>
        <location filename="../app/boardcommands.cpp" line="+25"/>
        <location line="+22"/>
        <source>Show Valid Moves</source>
        <translation>Coups possibles</translation>
    </message>
    <message>
        <location line="-21"/>
        <source>Click right mouse button on the piece
that you wish to show all valid moves.</source>
        <translation>Cliquez avec le bouton droit sur le pion
dont vous voulez voir les coups possibles.</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>Hint</source>
        <translation>Indice</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 has no valid move.</source>
        <translation>%1 n’a aucun coup possible.</translation>
    </message>
    <message>
        <location filename="../app/commandtable.cpp" line="+25"/>
        <source>&amp;New Game</source>
        <translation>&amp;Nouvelle partie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Load Game</source>
        <translation>&amp;Charger une partie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Save Game</source>
        <translation>&amp;Enregistrer la partie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Change Options</source>
        <translation>&amp;Modifier les options</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Show Valid Moves</source>
        <translation>Coups &amp;possibles</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Hint</source>
        <translation>&amp;Indice</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Referee</source>
        <translation>&amp;Arbitre</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show &amp;Last Moves</source>
        <translation>&amp;Derniers coups</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Default Settings</source>
        <translation>&amp;Réglages par défaut</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Playing Rules</source>
        <translation>&amp;Règles du jeu</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;About Tavolux</source>
        <translation>À &amp;propos de Tavolux</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Move List</source>
        <translation>&amp;Liste des coups</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save Game &amp;Record...</source>
        <translation>Enregistrer le &amp;relevé...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Open Game Record...</source>
        <translation>&amp;Ouvrir un relevé...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>S&amp;tatistics...</source>
        <translation>S&amp;tatistiques...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show Des&amp;tinations</source>
        <translation>Afficher les des&amp;tinations</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Piece Symbols</source>
        <translation>Symboles des &amp;pions</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>&amp;Game</source>
        <translation>&amp;Partie</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Move</source>
        <translation>&amp;Coup</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Help</source>
        <translation>Ai&amp;de</translation>
    </message>
</context>
<context>
    <name>tavolux::MoveListWindow</name>
    <message>
        <location filename="../app/movelistwindow.cpp" line="+44"/>
        <location line="+9"/>
        <source>Move List</source>
        <translation>Liste des coups</translation>
    </message>
    <message>
        <location line="-5"/>
        <source>Back to the game</source>
        <translation>Retour à la partie</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Play from here</source>
        <extracomment>Starts a game from the position of the game record shown.</extracomment>
        <translation>Jouer à partir d’ici</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Every move of the game; choosing one shows the board after it</source>
        <translation>Chaque coup de la partie&#xa0;; en choisir un montre le plateau après lui</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Shows the game&apos;s own position again</source>
        <translation>Montre de nouveau la position de la partie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Plays on from the position shown</source>
        <translation>Continue à jouer depuis la position affichée</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Start</source>
        <extracomment>The first row of the move list: the position before any move.</extracomment>
        <translation>Départ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Choosing it shows the position before the first move</source>
        <translation>Montre la position avant le premier coup</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1. %2  %3</source>
        <extracomment>A row of the move list: its number, the mover&apos;s name and the move.</extracomment>
        <translation>%1. %2  %3</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Choosing it shows the board after this move</source>
        <translation>Montre le plateau après ce coup</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Game record: the board after move %1.</source>
        <extracomment>Below the move list while the board shows an earlier position.</extracomment>
        <translation>Relevé&#xa0;: le plateau après le coup %1.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reviewing: the board after move %1.</source>
        <translation>Retour en arrière&#xa0;: le plateau après le coup %1.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>%1 (taken back: Redo plays it again)</source>
        <extracomment>The tooltip of a move taken back by Undo: the mover&apos;s name, then this.</extracomment>
        <translation>%1 (coup annulé&#xa0;: Rétablir le rejoue)</translation>
    </message>
</context>
<context>
    <name>tavolux::OptionsDialog</name>
    <message>
        <location filename="../dialogs/optionsdialog.cpp" line="+70"/>
        <source>Change Options</source>
        <translation>Modifier les options</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Sound</source>
        <translation>Son</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>/\</source>
        <translation>/\</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>\/</source>
        <translation>\/</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Previous wallpaper</source>
        <translation>Fond d’écran précédent</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Next wallpaper</source>
        <translation>Fond d’écran suivant</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Changes the window&apos;s background at once</source>
        <translation>Change aussitôt le fond de la fenêtre</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>[Background Wallpaper]</source>
        <translation>[Fond d’écran]</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>Animation Speed</source>
        <translation>Vitesse d’animation</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Smooth (for fast PC)</source>
        <translation>Fluide (PC rapide)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Flickery (for slow PC)</source>
        <translation>Saccadée (PC lent)</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Player #%1</source>
        <translation>Joueur %1</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Automatic board re-position</source>
        <translation>Tourner le plateau automatiquement</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Preferred view of home region:</source>
        <translation>Votre camp de préférence&#xa0;:</translation>
    </message>
</context>
<context>
    <name>tavolux::RecordFaultTexts</name>
    <message>
        <location filename="../app/recordfaulttexts.cpp" line="+12"/>
        <source>cannot open the file</source>
        <translation>impossible d’ouvrir le fichier</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cannot read the file</source>
        <translation>impossible de lire le fichier</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the file is larger than 4 MiB, more than any game record</source>
        <translation>le fichier dépasse 4 Mio, plus qu’aucun relevé de partie</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+116"/>
        <source>not a Tavolux game record</source>
        <translation>ce n’est pas un relevé de partie Tavolux</translation>
    </message>
    <message>
        <location line="-114"/>
        <source>the line is longer than 4096 bytes</source>
        <translation>la ligne dépasse 4096 octets</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the line is not UTF-8 text</source>
        <translation>la ligne n’est pas du texte UTF-8</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the record&apos;s version is not a number: &apos;%1&apos;</source>
        <translation>la version du relevé n’est pas un nombre&#xa0;: «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>record version %1 is not known here (this program reads version %2)</source>
        <translation>la version %1 des relevés est inconnue ici (ce programme lit la version %2)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>expected a field such as &apos;Start: opening&apos;</source>
        <translation>un champ tel que «&#xa0;Start: opening&#xa0;» était attendu</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>unknown field &apos;%1&apos;</source>
        <translation>champ inconnu «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 is given twice (first on line %2)</source>
        <translation>%1 figure deux fois (d’abord à la ligne %2)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the record ends before its Moves line</source>
        <translation>le relevé s’arrête avant sa ligne Moves</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the %1 field is missing</source>
        <translation>le champ %1 manque</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the date is not of the form YYYY-MM-DD HH:MM</source>
        <translation>la date n’est pas de la forme YYYY-MM-DD HH:MM</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the program is not named</source>
        <translation>le programme n’est pas nommé</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>a name is 1 to 63 bytes without control characters</source>
        <translation>un nom compte de 1 à 63 octets, sans caractères de contrôle</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>expected &apos;-&apos;, &apos;NAME | person&apos; or &apos;NAME | computer | STRENGTH | STYLE, STYLE&apos;</source>
        <translation>«&#xa0;-&#xa0;», «&#xa0;NAME | person&#xa0;» ou «&#xa0;NAME | computer | STRENGTH | STYLE, STYLE&#xa0;» était attendu</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the strength is one of Beginner, Standard, Expert</source>
        <translation>le niveau est Beginner, Standard ou Expert</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the styles are two of Friendly, Neutral, Hostile, such as &apos;Hostile, Friendly&apos;</source>
        <translation>les stratégies sont deux parmi Friendly, Neutral, Hostile, par exemple «&#xa0;Hostile, Friendly&#xa0;»</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>fewer than two players take part</source>
        <translation>moins de deux joueurs participent</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ToMove names no player taking part</source>
        <translation>ToMove ne désigne aucun joueur qui participe</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ToMove names a player who has finished</source>
        <translation>ToMove désigne un joueur qui a déjà terminé</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Moves takes the number of moves</source>
        <translation>Moves prend le nombre de coups</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Start is &apos;opening&apos; or &apos;position&apos;</source>
        <translation>Start vaut «&#xa0;opening&#xa0;» ou «&#xa0;position&#xa0;»</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 belongs to a record starting from a position, for a player taking part</source>
        <translation>%1 n’a sa place que dans un relevé qui part d’une position, pour un joueur qui participe</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Finished belongs to a record starting from a position</source>
        <translation>Finished n’a sa place que dans un relevé qui part d’une position</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>a player has ten pieces</source>
        <translation>un joueur a dix pions</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&apos;%1&apos; is not a hole</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas un trou</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>two pieces on %1</source>
        <translation>deux pions sur %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Finished takes &apos;none&apos; or the players who have finished</source>
        <translation>Finished prend «&#xa0;none&#xa0;» ou les joueurs qui ont terminé</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Finished takes &apos;none&apos; or players taking part, each once</source>
        <translation>Finished prend «&#xa0;none&#xa0;» ou des joueurs qui participent, chacun une fois</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>P%1 is home but not among the finished</source>
        <translation>P%1 est arrivé mais ne figure pas parmi ceux qui ont terminé</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>P%1 has finished but is not home</source>
        <translation>P%1 a terminé mais n’est pas arrivé</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Table names the players taking part and Rule how they finish (&apos;full target&apos; or &apos;all home&apos;)</source>
        <translation>Table nomme les joueurs qui participent et Rule comment ils terminent («&#xa0;full target&#xa0;» ou «&#xa0;all home&#xa0;»)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>fewer than two players are left to play</source>
        <translation>il reste moins de deux joueurs en jeu</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Result takes &apos;unfinished&apos; or the players taking part in their finishing order</source>
        <translation>Result prend «&#xa0;unfinished&#xa0;» ou les joueurs qui participent, dans leur ordre d’arrivée</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>more moves than the %1 of the Moves line</source>
        <translation>plus de coups que les %1 de la ligne Moves</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the record ends after %1 of its %2 moves</source>
        <translation>le relevé s’arrête après %1 de ses %2 coups</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>expected a move such as &apos;%1. P1 n2-m6&apos;</source>
        <translation>un coup tel que «&#xa0;%1. P1 n2-m6&#xa0;» était attendu</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>move %1 where move %2 was expected</source>
        <translation>coup %1 là où le coup %2 était attendu</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the mover is P1 to P6, not &apos;%1&apos;</source>
        <translation>le joueur qui joue est de P1 à P6, pas «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&apos;%1&apos; is not a move in hole names, such as n2-m6</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas un coup en noms de trous, tel que n2-m6</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>a move ends with &apos;(person)&apos; or &apos;(computer)&apos; only when its seat is the other&apos;s</source>
        <translation>un coup ne se termine par «&#xa0;(person)&#xa0;» ou «&#xa0;(computer)&#xa0;» que si sa place est celle de l’autre</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the game is over with the finishing order %1, not %2</source>
        <translation>la partie se termine dans l’ordre %1, pas %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the result is %1 but the game is not over</source>
        <translation>le résultat est %1 mais la partie n’est pas terminée</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>a game stopped after its first finisher ends %1, not %2</source>
        <translation>une partie arrêtée après le premier arrivé se termine dans l’ordre %1, pas %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the game is over; no move may follow</source>
        <translation>la partie est terminée&#xa0;; aucun coup ne peut suivre</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>P%1 does not take part</source>
        <translation>P%1 ne participe pas</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>P%1 has finished and moves no more</source>
        <translation>P%1 a terminé et ne joue plus</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>P%1 moves out of turn: P%2 is to move</source>
        <translation>P%1 joue hors de son tour&#xa0;: c’est à P%2 de jouer</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>P%1 has no piece on %2</source>
        <translation>P%1 n’a pas de pion sur %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the piece on %1 is not piece %2</source>
        <translation>le pion sur %1 n’est pas le pion %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the move has no landing</source>
        <translation>le coup n’a pas d’arrivée</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>a landing is not a hole</source>
        <translation>une arrivée n’est pas un trou</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 is taken</source>
        <translation>%1 est occupé</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1-%2 is neither a step nor a jump</source>
        <translation>%1-%2 n’est ni un pas ni un saut</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>no piece to jump over between %1 and %2</source>
        <translation>aucun pion à sauter entre %1 et %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the chain comes back to %1</source>
        <translation>la série de sauts revient sur %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 is taken or landed on before</source>
        <translation>%1 est occupé ou déjà atteint</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>P%1 may not stop on %2, in another player&apos;s zone</source>
        <translation>P%1 ne peut pas s’arrêter sur %2, dans la zone d’un autre joueur</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 is not among the destinations of the piece on %2</source>
        <translation>%1 ne fait pas partie des arrivées du pion sur %2</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>unfinished</source>
        <comment>a game record&apos;s result</comment>
        <translation>inachevée</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Move %1: %2</source>
        <extracomment>Why a game record was refused: %1 is the move&apos;s number, %2 what is wrong with it.</extracomment>
        <translation>Coup %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>tavolux::RecordFiles</name>
    <message>
        <location filename="../app/recordfiles.cpp" line="+37"/>
        <location line="+12"/>
        <source>Save Game Record</source>
        <translation>Enregistrer le relevé de partie</translation>
    </message>
    <message>
        <location line="-12"/>
        <source>There is no game to record.</source>
        <translation>Il n’y a aucune partie à enregistrer.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>The game record could not be saved as &quot;%1&quot;.

%2</source>
        <translation>Le relevé de partie n’a pas pu être enregistré sous «&#xa0;%1&#xa0;».

%2</translation>
    </message>
    <message>
        <location line="+14"/>
        <location line="+9"/>
        <source>Open Game Record</source>
        <translation>Ouvrir un relevé de partie</translation>
    </message>
    <message>
        <location line="-8"/>
        <source>The file &quot;%1&quot; could not be opened.

%2</source>
        <translation>Le fichier «&#xa0;%1&#xa0;» n’a pas pu être ouvert.

%2</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Line %1: %2</source>
        <translation>Ligne %1&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&quot;%1&quot; is not a game record that can be shown.

%2</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas un relevé de partie lisible.

%2</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Play from Here</source>
        <translation>Jouer à partir d’ici</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>There is still a game in progress.  Do you want to abandon it?</source>
        <translation>Une partie est encore en cours. Voulez-vous l’abandonner&#xa0;?</translation>
    </message>
</context>
<context>
    <name>tavolux::RefereeHost</name>
    <message>
        <location filename="../app/refereehost.cpp" line="+17"/>
        <source>The referee: whose turn it is and what happens</source>
        <extracomment>What a screen reader says the referee window is.</extracomment>
        <translation>L’arbitre&#xa0;: à qui le tour et ce qui se passe</translation>
    </message>
</context>
<context>
    <name>tavolux::RefereeWindow</name>
    <message>
        <location filename="../referee/refereewindow.cpp" line="+47"/>
        <source>   The Referee</source>
        <translation>   L’arbitre</translation>
    </message>
</context>
<context>
    <name>tavolux::ResultsDialog</name>
    <message>
        <location filename="../dialogs/resultsdialog.cpp" line="+219"/>
        <source>Game Results</source>
        <translation>Résultats de la partie</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>First Place</source>
        <translation>Première place</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Second Place</source>
        <translation>Deuxième place</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Third Place</source>
        <translation>Troisième place</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Player #?:</source>
        <translation>Joueur&#xa0;?&#xa0;:</translation>
    </message>
    <message>
        <location line="-40"/>
        <location line="+61"/>
        <source>Player #%1:</source>
        <translation>Joueur %1&#xa0;:</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Play Again</source>
        <translation>&amp;Rejouer</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Starts a new game with the same players</source>
        <translation>Commence une nouvelle partie avec les mêmes joueurs</translation>
    </message>
</context>
<context>
    <name>tavolux::RulesWindow</name>
    <message>
        <location filename="../dialogs/ruleswindow.cpp" line="+22"/>
        <source>Tavolux Help - Playing Rules</source>
        <translation>Aide de Tavolux – Règles du jeu</translation>
    </message>
</context>
<context>
    <name>tavolux::SafeFiles</name>
    <message>
        <location filename="../app/safefiles.cpp" line="+33"/>
        <source>There is no such file or folder.</source>
        <translation>Ce fichier ou ce dossier n’existe pas.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The file or its folder is not writable (no permission, or a read-only disk).</source>
        <translation>Le fichier ou son dossier n’est pas accessible en écriture (pas d’autorisation, ou disque en lecture seule).</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The file may not be read (no permission).</source>
        <translation>Le fichier ne peut pas être lu (pas d’autorisation).</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>It is not a regular file.</source>
        <translation>Ce n’est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>There is no space left on the disk.</source>
        <translation>Il ne reste plus de place sur le disque.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The file would be larger than the program is allowed to write.</source>
        <translation>Le fichier serait plus grand que ce que le programme a le droit d’écrire.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The system reported: %1</source>
        <translation>Le système a signalé&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>tavolux::Settings</name>
    <message>
        <location filename="../app/settings.cpp" line="+188"/>
        <source>The settings could not be saved in &quot;%1&quot;.

%2</source>
        <translation>Impossible d’enregistrer les paramètres dans «&#xa0;%1&#xa0;».

%2</translation>
    </message>
</context>
<context>
    <name>tavolux::SetupCoverPage</name>
    <message>
        <location filename="../dialogs/setupcoverpage.cpp" line="+24"/>
        <source>Active Players</source>
        <translation>Qui joue&#xa0;?</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Player #%1</source>
        <translation>Joueur %1</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Table</source>
        <translation>Table</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Two or three players</source>
        <extracomment>The classic table: players 1 to 3 chosen one by one below.</extracomment>
        <translation>Deux ou trois joueurs</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Two players across</source>
        <extracomment>Two players in the opposite points of the star.</extracomment>
        <translation>Deux joueurs face à face</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Four players</source>
        <extracomment>Four players in two pairs of opposite points.</extracomment>
        <translation>Quatre joueurs</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Six players</source>
        <translation>Six joueurs</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The star, each playing point in its player&apos;s colour</source>
        <translation>L&apos;étoile, chaque pointe en jeu à la couleur de son joueur</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Animation Speed</source>
        <translation>Vitesse d’animation</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Smooth (for fast PC)</source>
        <translation>Fluide (PC rapide)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Flickery (for slow PC)</source>
        <translation>Saccadée (PC lent)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Sound</source>
        <translation>Son</translation>
    </message>
</context>
<context>
    <name>tavolux::SetupPlayerPage</name>
    <message>
        <location filename="../dialogs/setupplayerpage.cpp" line="+70"/>
        <source>Friendly</source>
        <translation>Amical</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Neutral</source>
        <translation>Neutre</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Hostile</source>
        <translation>Agressif</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Name:</source>
        <translation>Nom&#xa0;:</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The name the game calls this player by</source>
        <translation>Le nom sous lequel le jeu appelle ce joueur</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Picture:</source>
        <translation>Image&#xa0;:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&lt;&lt;</source>
        <translation>&lt;&lt;</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&gt;&gt;</source>
        <translation>&gt;&gt;</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Previous picture</source>
        <extracomment>A screen reader&apos;s name for the &quot;&lt;&lt;&quot; button.</extracomment>
        <translation>Image précédente</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Next picture</source>
        <extracomment>A screen reader&apos;s name for the &quot;&gt;&gt;&quot; button.</extracomment>
        <translation>Image suivante</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The computer&apos;s picture makes the player a computer, any other picture a person</source>
        <translation>L’image de l’ordinateur fait du joueur un ordinateur, toute autre image une personne</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Automatic board re-position</source>
        <translation>Tourner le plateau automatiquement</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Preferred view of home region:</source>
        <translation>Votre camp de préférence&#xa0;:</translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+4"/>
        <location line="+118"/>
        <source>Style toward player #%1:</source>
        <translation>Attitude envers le joueur %1&#xa0;:</translation>
    </message>
    <message>
        <location line="-112"/>
        <source>Strength:</source>
        <extracomment>Label of the list of how well a computer player plays (Beginner, Standard, Expert).</extracomment>
        <translation>Niveau&#xa0;:</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>How well the computer plays</source>
        <translation>Le niveau de jeu de l’ordinateur</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>How the computer treats that player: it spoils, leaves room or neither</source>
        <translation>Comment l’ordinateur traite ce joueur&#xa0;: il le gêne, lui laisse de la place ou ni l’un ni l’autre</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>Computer AI Algorithm</source>
        <translation>Stratégie de l’ordinateur</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>Style toward the others:</source>
        <translation>Attitude envers les autres&#xa0;:</translation>
    </message>
</context>
<context>
    <name>tavolux::SetupSheet</name>
    <message>
        <location filename="../dialogs/setupsheet.cpp" line="+20"/>
        <source>New Game</source>
        <translation>Nouvelle partie</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Game Setup</source>
        <translation>Préparation de la partie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Who takes part, the animation speed and the sound</source>
        <translation>Qui participe, la vitesse d’animation et le son</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Player #%1</source>
        <translation>Joueur %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Name, picture, board turning and computer play of player #%1</source>
        <translation>Nom, image, rotation du plateau et jeu de l’ordinateur du joueur %1</translation>
    </message>
</context>
<context>
    <name>tavolux::SplashWindow</name>
    <message>
        <location filename="../app/splashwindow.cpp" line="+33"/>
        <source>Tavolux</source>
        <translation>Tavolux</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Chinese Checkers</source>
        <translation>Dames chinoises</translation>
    </message>
</context>
<context>
    <name>tavolux::StatisticsDialog</name>
    <message>
        <location filename="../dialogs/statisticsdialog.cpp" line="+92"/>
        <source>Person</source>
        <extracomment>A player played by a person at the mouse, not by the computer.</extracomment>
        <translation>Humain</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+2"/>
        <location line="+2"/>
        <source>Computer (%1)</source>
        <extracomment>A computer player; %1 is how well it plays (Beginner, Standard, Expert).</extracomment>
        <translation>Ordinateur (%1)</translation>
    </message>
    <message>
        <location line="+8"/>
        <location line="+202"/>
        <source>Statistics</source>
        <extracomment>The title of the window with each player&apos;s figures over the games played.</extracomment>
        <translation>Statistiques</translation>
    </message>
    <message>
        <location line="-195"/>
        <source>Games with &amp;Persons</source>
        <extracomment>Tab of the figures from games in which at least one person played.</extracomment>
        <translation>Parties avec des &amp;humains</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Games among Co&amp;mputers</source>
        <extracomment>Tab of the figures from games that computer players played among themselves.</extracomment>
        <translation>Parties entre &amp;ordinateurs</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Each player&apos;s results in these games</source>
        <translation>Les résultats de chaque joueur dans ces parties</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>C&amp;lear</source>
        <extracomment>Button that empties every player&apos;s figures, after asking.</extracomment>
        <translation>&amp;Effacer</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Forgets every player&apos;s results, after asking</source>
        <translation>Oublie les résultats de tous les joueurs, après confirmation</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Close</source>
        <extracomment>Button that closes the Statistics window.</extracomment>
        <translation>Fermer</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>No games have been counted yet.</source>
        <extracomment>Shown instead of the table while no game has been counted.</extracomment>
        <translation>Aucune partie n’a encore été comptée.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Player</source>
        <extracomment>Column heading: the player&apos;s name.</extracomment>
        <translation>Joueur</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Kind</source>
        <extracomment>Column heading: a person, or a computer and how well it plays.</extracomment>
        <translation>Type</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Games</source>
        <extracomment>Column heading: the number of games played to the end.</extracomment>
        <translation>Parties</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>1st</source>
        <extracomment>Column heading: the number of games the player finished first.</extracomment>
        <translation>1re</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>2nd</source>
        <extracomment>Column heading: the number of games the player finished second.</extracomment>
        <translation>2e</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>3rd</source>
        <extracomment>Column heading: the number of games the player finished third.</extracomment>
        <translation>3e</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>4th</source>
        <extracomment>Column heading: the number of games the player finished fourth.</extracomment>
        <translation>4e</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>5th</source>
        <extracomment>Column heading: the number of games the player finished fifth.</extracomment>
        <translation>5e</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>6th</source>
        <extracomment>Column heading: the number of games the player finished sixth.</extracomment>
        <translation>6e</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Abandoned</source>
        <extracomment>Column heading: the number of games given up before their end.</extracomment>
        <translation>Abandonnées</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Average moves</source>
        <extracomment>Column heading: the average number of moves it took to bring all ten pieces home.</extracomment>
        <translation>Coups en moyenne</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Best</source>
        <extracomment>Column heading: the fewest moves it took to bring all ten pieces home.</extracomment>
        <translation>Meilleur</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Games played to the end</source>
        <translation>Parties jouées jusqu’au bout</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Games finished in first place</source>
        <translation>Parties terminées à la première place</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Games finished in second place</source>
        <translation>Parties terminées à la deuxième place</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Games finished in third place</source>
        <translation>Parties terminées à la troisième place</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Games finished in fourth place</source>
        <translation>Parties terminées à la quatrième place</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Games finished in fifth place</source>
        <translation>Parties terminées à la cinquième place</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Games finished in sixth place</source>
        <translation>Parties terminées à la sixième place</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Games given up before their end: a new game or a saved one taken instead, or the program closed</source>
        <translation>Parties abandonnées avant la fin&#xa0;: une nouvelle partie ou une partie enregistrée lancée à la place, ou le programme fermé</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The average number of moves it took to bring all ten pieces home</source>
        <translation>Le nombre moyen de coups qu’il a fallu pour amener les dix pions à destination</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The fewest moves it took to bring all ten pieces home</source>
        <translation>Le plus petit nombre de coups qu’il a fallu pour amener les dix pions à destination</translation>
    </message>
    <message>
        <location line="+99"/>
        <source>Do you want to clear the statistics of every player?  This cannot be undone.</source>
        <translation>Voulez-vous effacer les statistiques de tous les joueurs&#xa0;? Cette action est irréversible.</translation>
    </message>
</context>
<context>
    <name>tavolux::StatisticsFile</name>
    <message>
        <location filename="../app/statisticsfile.cpp" line="+66"/>
        <source>The folder &quot;%1&quot; could not be made.</source>
        <translation>Impossible de créer le dossier «&#xa0;%1&#xa0;».</translation>
    </message>
</context>
<context>
    <name>tavolux::StatisticsKeeper</name>
    <message>
        <location filename="../app/statisticskeeper.cpp" line="+68"/>
        <source>Another copy of Tavolux kept the statistics file busy.</source>
        <translation>Une autre copie de Tavolux occupait le fichier de statistiques.</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Statistics</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>The statistics file &quot;%1&quot; is damaged and could not be moved aside, so nothing is saved over it. Clear the statistics to start a new file.</source>
        <translation>Le fichier de statistiques «&#xa0;%1&#xa0;» est endommagé et n’a pas pu être mis de côté&#xa0;; rien n’est donc enregistré par-dessus. Effacez les statistiques pour commencer un nouveau fichier.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The statistics file was damaged. It has been kept as &quot;%1&quot;, and the statistics started afresh.</source>
        <translation>Le fichier de statistiques était endommagé. Il a été conservé sous le nom «&#xa0;%1&#xa0;» et les statistiques repartent de zéro.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The statistics could not be saved in &quot;%1&quot;.
%2</source>
        <translation>Impossible d’enregistrer les statistiques dans «&#xa0;%1&#xa0;».
%2</translation>
    </message>
</context>
<context>
    <name>tavolux::TurnLine</name>
    <message>
        <location filename="../app/turnline.cpp" line="+17"/>
        <source>Whose turn it is and the number of the move</source>
        <translation>À qui le tour et le numéro du coup</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Move %1 · %2, %3, thinking</source>
        <extracomment>In the status bar while a computer is to move: the move&apos;s number, the name and the strength.</extracomment>
        <translation>Coup %1 · %2, %3, réfléchit</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Move %1 · Your move, %2</source>
        <extracomment>In the status bar while a person is to move: the move&apos;s number and the name.</extracomment>
        <translation>Coup %1 · À vous, %2</translation>
    </message>
</context>
</TS>
