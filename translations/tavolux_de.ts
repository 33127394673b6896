<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>GameTexts</name>
    <message>
        <location filename="../lang/gametexts.cpp" line="+13"/>
        <source>Human</source>
        <extracomment>The first player&apos;s name until it is changed: a person.</extracomment>
        <translation>Mensch</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Silicon</source>
        <extracomment>The second player&apos;s name until it is changed: a computer.</extracomment>
        <translation>Silizium</translation>
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
        <translation>1.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>2nd</source>
        <extracomment>A finishing place, noted under the player&apos;s name in the side panel.</extracomment>
        <translation>2.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>3rd</source>
        <extracomment>A finishing place, noted under the player&apos;s name in the side panel.</extracomment>
        <translation>3.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>4th</source>
        <extracomment>A finishing place, noted under the player&apos;s name in the side panel.</extracomment>
        <translation>4.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>5th</source>
        <extracomment>A finishing place, noted under the player&apos;s name in the side panel.</extracomment>
        <translation>5.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>6th</source>
        <extracomment>A finishing place, noted under the player&apos;s name in the side panel.</extracomment>
        <translation>6.</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>WELCOME</source>
        <extracomment>The referee&apos;s first words, line 1 of 3.</extracomment>
        <translation>WILLKOMMEN</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+37"/>
        <source>Please select new</source>
        <extracomment>The referee&apos;s first words, line 2 of 3.</extracomment>
        <translation>Wähl im Menü ein</translation>
    </message>
    <message>
        <location line="-35"/>
        <location line="+35"/>
        <source>game in menu bar.</source>
        <extracomment>The referee&apos;s first words, line 3 of 3.</extracomment>
        <translation>neues Spiel.</translation>
    </message>
    <message>
        <location line="-29"/>
        <source>Move mouse to one</source>
        <extracomment>A person is to move: referee line 2 of 3 (after the name).</extracomment>
        <translation>Zeig mit der Maus</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>of your pieces.</source>
        <extracomment>A person is to move: referee line 3 of 3.</extracomment>
        <translation>auf deine Figur.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Board re-position</source>
        <extracomment>The board turns before a player&apos;s turn: referee line 2 of 3.</extracomment>
        <translation>Das Brett wird</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>is in progress...</source>
        <extracomment>The board turns before a player&apos;s turn: referee line 3 of 3.</extracomment>
        <translation>gerade gedreht...</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Computer AI is</source>
        <extracomment>A computer player searches its move: referee line 2 of 3.</extracomment>
        <translation>Der Computer</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>thinking......</source>
        <extracomment>A computer player searches its move: referee line 3 of 3.</extracomment>
        <translation>grübelt......</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>GAME OVER</source>
        <extracomment>The game has ended: referee line 1 of 3.</extracomment>
        <translation>SPIEL VORBEI</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Yep! That&apos;s yours.</source>
        <extracomment>The pointer is over one of the player&apos;s pieces: referee line 2 of 3.</extracomment>
        <translation>Jawoll, deine!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Click &amp; drag it.</source>
        <extracomment>The pointer is over one of the player&apos;s pieces: referee line 3 of 3.</extracomment>
        <translation>Klicken &amp; ziehen.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>That&apos;s not yours!</source>
        <extracomment>The pointer is over another player&apos;s piece: referee line 2 of 3.</extracomment>
        <translation>Nicht deine Figur!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Try a different color.</source>
        <extracomment>The pointer is over another player&apos;s piece: referee line 3 of 3.</extracomment>
        <translation>Nimm eine andere Farbe.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Now, drag it to a spot</source>
        <extracomment>A piece is in the hand: referee line 2 of 4.</extracomment>
        <translation>Zieh sie jetzt mit</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>using one move or one</source>
        <extracomment>A piece is in the hand: referee line 3 of 4.</extracomment>
        <translation>einem Schritt oder</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>or more jumps.</source>
        <extracomment>A piece is in the hand: referee line 4 of 4.</extracomment>
        <translation>Sprüngen weiter.</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Tavolux</source>
        <translation>Tavolux</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>New Game</source>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>There is still a game in progress.  Do you want to abandon it?</source>
        <translation>Es läuft noch eine Partie. Willst du sie abbrechen?</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Player #%1, &quot;%2&quot;,
has moved all the pieces to destination!!!
</source>
        <extracomment>%1 is the player&apos;s number 1 to 6, %2 the player&apos;s name.</extracomment>
        <translation>Spieler %1, „%2“,
hat alle Figuren ins Ziel gebracht!!!
</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>
But there are still 2 players left.
Do you want to continue the game?</source>
        <translation>
Aber es sind noch 2 Spieler übrig.
Wollt ihr weiterspielen?</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>
But there are still %1 players left.
Do you want to continue the game?</source>
        <extracomment>At a table of four or six: %1 is the number of players still in play, 3 to 5.</extracomment>
        <translation>
Aber es sind noch %1 Spieler übrig.
Wollt ihr weiterspielen?</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Computer AI</source>
        <translation>Computer</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>No valid move was found!</source>
        <translation>Kein gültiger Zug gefunden!</translation>
    </message>
</context>
<context>
    <name>PlayerChoices</name>
    <message>
        <location filename="../dialogs/playerchoices.cpp" line="+20"/>
        <source>Computer</source>
        <extracomment>The picture of a player the computer plays.</extracomment>
        <translation>Computer</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Guy</source>
        <extracomment>A player&apos;s picture: a grown man.</extracomment>
        <translation>Mann</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Lady</source>
        <extracomment>A player&apos;s picture: a grown woman.</extracomment>
        <translation>Frau</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Boy</source>
        <translation>Junge</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Girl</source>
        <translation>Mädchen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Baby</source>
        <translation>Baby</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Bear</source>
        <extracomment>A player&apos;s picture: a teddy bear.</extracomment>
        <translation>Teddy</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Bottom</source>
        <extracomment>The board turned so that the player&apos;s home point lies at the bottom.</extracomment>
        <translation>Unten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Top</source>
        <translation>Oben</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lower-Left</source>
        <translation>Unten links</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lower-Right</source>
        <translation>Unten rechts</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Upper-Left</source>
        <translation>Oben links</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Upper-Right</source>
        <translation>Oben rechts</translation>
    </message>
    <message>
        <location filename="../view/windowpainter.cpp" line="+113"/>
        <location filename="../dialogs/playerchoices.cpp" line="+7"/>
        <source>Beginner</source>
        <extracomment>How well a computer player plays: the weakest of three levels.</extracomment>
        <translation>Anfänger</translation>
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
        <translation>Experte</translation>
    </message>
</context>
<context>
    <name>Prompt</name>
    <message>
        <location filename="../app/prompttable.cpp" line="+17"/>
        <source>Play a new game of Chinese Checkers.</source>
        <translation>Eine neue Partie Sternhalma beginnen.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open a previously saved game.</source>
        <translation>Eine gespeicherte Partie öffnen.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save the currently unfinished game.</source>
        <translation>Die laufende Partie speichern.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Change playing options in the middle of a game.</source>
        <translation>Spieloptionen mitten in der Partie ändern.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Exit Tavolux.</source>
        <translation>Tavolux beenden.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Undo last move.</source>
        <translation>Den letzten Zug zurücknehmen.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Redo the previously undone move.</source>
        <translation>Den zurückgenommenen Zug wiederholen.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show all valid moves of a playing piece.</source>
        <translation>Alle gültigen Züge einer Figur zeigen.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Suggest a move for the player to move.</source>
        <translation>Einen Zug für den Spieler am Zug vorschlagen.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Toggle referee window on/off.</source>
        <translation>Schiedsrichter ein- oder ausblenden.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show or hide the moves made since your last move.</source>
        <translation>Die Züge seit deinem letzten Zug zeigen oder verbergen.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Restore all windows to their default settings.</source>
        <translation>Alle Fenster auf ihre Grundeinstellungen zurücksetzen.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show or hide the list of the moves made in this game.</source>
        <translation>Die Liste der Züge dieser Partie zeigen oder verbergen.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save every move of this game as a game record.</source>
        <translation>Alle Züge dieser Partie als Spielprotokoll speichern.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open a game record and step through its moves.</source>
        <translation>Ein Spielprotokoll öffnen und Zug für Zug durchgehen.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show how each player has fared over the games.</source>
        <translation>Zeigen, wie jeder Spieler über alle Partien abgeschnitten hat.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Mark the holes a lifted piece may reach, or stop marking them.</source>
        <translation>Die Löcher markieren, die eine aufgenommene Figur erreichen kann, oder die Markierung ausschalten.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show or hide each player&apos;s symbol on the pieces.</source>
        <translation>Das Symbol jedes Spielers auf seinen Figuren zeigen oder verbergen.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Display help documentation on Chinese Checkers playing rules.</source>
        <translation>Die Spielregeln von Sternhalma anzeigen.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Display Tavolux&apos;s information and copyright.</source>
        <translation>Informationen und Copyright von Tavolux anzeigen.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show all valid moves.</source>
        <translation>Alle gültigen Züge zeigen.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Computer AI is thinking...</source>
        <translation>Der Computer grübelt...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Board re-position is in progress...</source>
        <translation>Das Brett wird gedreht...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ready.</source>
        <translation>Bereit.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Drop the piece on a hole of the board.</source>
        <translation>Setz die Figur auf ein Loch des Bretts.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>That hole is taken.</source>
        <translation>Das Loch ist schon besetzt.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A piece may pass through another player&apos;s point, but not stop there.</source>
        <translation>Eine Figur darf durch die Spitze eines anderen Spielers ziehen, aber dort nicht stehen bleiben.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The piece cannot reach that hole in one move.</source>
        <translation>Die Figur kommt in einem Zug nicht bis zu diesem Loch.</translation>
    </message>
</context>
<context>
    <name>tavolux::AboutBox</name>
    <message>
        <location filename="../dialogs/aboutbox.cpp" line="+73"/>
        <source>About Tavolux</source>
        <translation>Über Tavolux</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Tavolux (64-bit)
Version 1.32</source>
        <translation>Tavolux (64 Bit)
Version 1.32</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tavolux (32-bit)
Version 1.32</source>
        <translation>Tavolux (32 Bit)
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
        <translation>Ein Text, der dem Programm beiliegt</translation>
    </message>
</context>
<context>
    <name>tavolux::AccessibleTexts</name>
    <message>
        <location filename="../dialogs/accessibletexts.cpp" line="+21"/>
        <source>Takes the choices and closes the window</source>
        <translation>Übernimmt die Auswahl und schließt das Fenster</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Closes the window and changes nothing</source>
        <translation>Schließt das Fenster, ohne etwas zu ändern</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>A beep after every move of a computer</source>
        <translation>Ein Piepton nach jedem Zug eines Computers</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Turns the board to the player&apos;s preferred view at each of its turns</source>
        <translation>Dreht das Brett bei jedem Zug des Spielers in seine bevorzugte Ansicht</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The side of the screen the player&apos;s home point is turned to</source>
        <translation>Die Bildschirmseite, zu der die eigene Spitze gedreht wird</translation>
    </message>
</context>
<context>
    <name>tavolux::BoardVoice</name>
    <message>
        <location filename="../app/boardvoice.cpp" line="+41"/>
        <source>The last move made</source>
        <translation>Der zuletzt gemachte Zug</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Board</source>
        <extracomment>The board&apos;s name for a screen reader while the keys&apos; ring is hidden.</extracomment>
        <translation>Brett</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The board. The arrow keys move a ring from hole to hole; Space or Enter picks up a piece and puts it down; Escape puts it back.</source>
        <translation>Das Brett. Die Pfeiltasten bewegen einen Ring von Loch zu Loch; Leertaste oder Eingabe nimmt eine Figur auf und setzt sie ab; Escape stellt sie zurück.</translation>
    </message>
    <message>
        <location line="+64"/>
        <source>%1, %2&apos;s piece</source>
        <extracomment>What a screen reader says of the hole under the keys&apos; ring: its name and whose piece is there.</extracomment>
        <translation>%1, Figur von %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1, empty</source>
        <extracomment>What a screen reader says of the hole under the keys&apos; ring when no piece is there.</extracomment>
        <translation>%1, leer</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>%1: %2</source>
        <extracomment>What a screen reader says of a move: the mover&apos;s name and the move (&quot;Silicon: m4-k4-i4&quot;).</extracomment>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>tavolux::DialogFileChooser</name>
    <message>
        <location filename="../app/gamefiles.cpp" line="+46"/>
        <source>Save Game Record</source>
        <translation>Spielprotokoll speichern</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Open Game Record</source>
        <translation>Spielprotokoll öffnen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save Game</source>
        <translation>Spiel speichern</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Load Game</source>
        <translation>Spiel laden</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Tavolux Files (*.tvx)</source>
        <translation>Tavolux-Partien (*.tvx)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Tavolux Game Records (*.tvr)</source>
        <translation>Tavolux-Spielprotokolle (*.tvr)</translation>
    </message>
</context>
<context>
    <name>tavolux::GameApp</name>
    <message>
        <location filename="../app/gameapp.cpp" line="+41"/>
        <source>Chinese checkers</source>
        <translation>Sternhalma</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>A saved game to open.</source>
        <translation>Gespeicherte Partie zum Öffnen.</translation>
    </message>
</context>
<context>
    <name>tavolux::GameFiles</name>
    <message>
        <location filename="../app/gamefiles.cpp" line="+18"/>
        <location line="+19"/>
        <location line="+13"/>
        <source>Save Game</source>
        <translation>Spiel speichern</translation>
    </message>
    <message>
        <location line="-32"/>
        <source>There is no unfinished game to save!</source>
        <translation>Es gibt keine laufende Partie zum Speichern!</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 gibt es schon.
Möchtest du die Datei ersetzen?</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>The game could not be saved as &quot;%1&quot;.

%2</source>
        <translation>Die Partie konnte nicht als „%1“ gespeichert werden.

%2</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+13"/>
        <location line="+8"/>
        <source>Load Game</source>
        <translation>Spiel laden</translation>
    </message>
    <message>
        <location line="-20"/>
        <source>There is still a game in progress.  Do you want to abandon it?</source>
        <translation>Es läuft noch eine Partie. Willst du sie abbrechen?</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>The file &quot;%1&quot; could not be opened.

%2</source>
        <translation>Die Datei „%1“ ließ sich nicht öffnen.

%2</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>That is not a Tavolux file!</source>
        <translation>Das ist keine Tavolux-Datei!</translation>
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
        <translation>Im Uhrzeigersinn drehen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rotate counter-clockwise</source>
        <translation>Gegen den Uhrzeigersinn drehen</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Turns the board one step; the game goes on as it was</source>
        <translation>Dreht das Brett um einen Schritt; die Partie geht unverändert weiter</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>What the game is doing</source>
        <extracomment>The accessible description of the status bar&apos;s prompt line.</extracomment>
        <translation>Was das Spiel gerade tut</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>Reviewing an earlier position: Escape returns to the game.</source>
        <extracomment>In the status line while the board shows an earlier position.</extracomment>
        <translation>Frühere Stellung: Esc führt zurück zur Partie.</translation>
    </message>
    <message>
        <location line="+191"/>
        <source>Exit Game</source>
        <translation>Tavolux beenden</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Do you really want to exit the game?</source>
        <translation>Willst du Tavolux wirklich beenden?</translation>
    </message>
    <message>
        <location filename="../app/boardcommands.cpp" line="+25"/>
        <location line="+22"/>
        <source>Show Valid Moves</source>
        <translation>Gültige Züge zeigen</translation>
    </message>
    <message>
        <location line="-21"/>
        <source>Click right mouse button on the piece
that you wish to show all valid moves.</source>
        <translation>Klick mit der rechten Maustaste auf die Figur,
deren gültige Züge du sehen willst.</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>Hint</source>
        <translation>Tipp</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 has no valid move.</source>
        <translation>%1 hat keinen gültigen Zug.</translation>
    </message>
    <message>
        <location filename="../app/commandtable.cpp" line="+25"/>
        <source>&amp;New Game</source>
        <translation>&amp;Neues Spiel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Load Game</source>
        <translation>Spiel &amp;laden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Save Game</source>
        <translation>Spiel &amp;speichern</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Change Options</source>
        <translation>&amp;Optionen ändern</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Show Valid Moves</source>
        <translation>&amp;Gültige Züge zeigen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Hint</source>
        <translation>&amp;Tipp</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Referee</source>
        <translation>&amp;Schiedsrichter</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show &amp;Last Moves</source>
        <translation>&amp;Letzte Züge zeigen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Default Settings</source>
        <translation>&amp;Grundeinstellungen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Playing Rules</source>
        <translation>&amp;Spielregeln</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;About Tavolux</source>
        <translation>Ü&amp;ber Tavolux</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Move List</source>
        <translation>&amp;Zugliste</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save Game &amp;Record...</source>
        <translation>Spiel&amp;protokoll speichern...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Open Game Record...</source>
        <translation>Spielprotokoll ö&amp;ffnen...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>S&amp;tatistics...</source>
        <translation>Statisti&amp;k...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show Des&amp;tinations</source>
        <translation>Ziele &amp;markieren</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Piece Symbols</source>
        <translation>&amp;Figurensymbole</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>&amp;Game</source>
        <translation>&amp;Spiel</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Move</source>
        <translation>&amp;Zug</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
</context>
<context>
    <name>tavolux::MoveListWindow</name>
    <message>
        <location filename="../app/movelistwindow.cpp" line="+44"/>
        <location line="+9"/>
        <source>Move List</source>
        <translation>Zugliste</translation>
    </message>
    <message>
        <location line="-5"/>
        <source>Back to the game</source>
        <translation>Zurück zur Partie</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Play from here</source>
        <extracomment>Starts a game from the position of the game record shown.</extracomment>
        <translation>Von hier weiterspielen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Every move of the game; choosing one shows the board after it</source>
        <translation>Jeder Zug der Partie; die Wahl eines Zuges zeigt das Brett danach</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Shows the game&apos;s own position again</source>
        <translation>Zeigt wieder die Stellung der Partie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Plays on from the position shown</source>
        <translation>Spielt von der gezeigten Stellung aus weiter</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Start</source>
        <extracomment>The first row of the move list: the position before any move.</extracomment>
        <translation>Anfang</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Choosing it shows the position before the first move</source>
        <translation>Zeigt die Stellung vor dem ersten Zug</translation>
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
        <translation>Zeigt das Brett nach diesem Zug</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Game record: the board after move %1.</source>
        <extracomment>Below the move list while the board shows an earlier position.</extracomment>
        <translation>Spielprotokoll: das Brett nach Zug %1.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reviewing: the board after move %1.</source>
        <translation>Rückblick: das Brett nach Zug %1.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>%1 (taken back: Redo plays it again)</source>
        <extracomment>The tooltip of a move taken back by Undo: the mover&apos;s name, then this.</extracomment>
        <translation>%1 (zurückgenommen: Wiederholen spielt den Zug erneut)</translation>
    </message>
</context>
<context>
    <name>tavolux::OptionsDialog</name>
    <message>
        <location filename="../dialogs/optionsdialog.cpp" line="+70"/>
        <source>Change Options</source>
        <translation>Optionen ändern</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Sound</source>
        <translation>Ton</translation>
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
        <translation>Vorheriges Hintergrundbild</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Next wallpaper</source>
        <translation>Nächstes Hintergrundbild</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Changes the window&apos;s background at once</source>
        <translation>Ändert sofort den Hintergrund des Fensters</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>[Background Wallpaper]</source>
        <translation>[Hintergrundbild]</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>Animation Speed</source>
        <translation>Animationstempo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Smooth (for fast PC)</source>
        <translation>Flüssig (für schnelle PCs)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Flickery (for slow PC)</source>
        <translation>Ruckelig (für langsame PCs)</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Player #%1</source>
        <translation>Spieler %1</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Automatic board re-position</source>
        <translation>Brett automatisch drehen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Preferred view of home region:</source>
        <translation>Eigene Spitze am liebsten:</translation>
    </message>
</context>
<context>
    <name>tavolux::RecordFaultTexts</name>
    <message>
        <location filename="../app/recordfaulttexts.cpp" line="+12"/>
        <source>cannot open the file</source>
        <translation>die Datei lässt sich nicht öffnen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cannot read the file</source>
        <translation>die Datei lässt sich nicht lesen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the file is larger than 4 MiB, more than any game record</source>
        <translation>die Datei ist größer als 4 MiB, größer als jedes Spielprotokoll</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+116"/>
        <source>not a Tavolux game record</source>
        <translation>kein Tavolux-Spielprotokoll</translation>
    </message>
    <message>
        <location line="-114"/>
        <source>the line is longer than 4096 bytes</source>
        <translation>die Zeile ist länger als 4096 Bytes</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the line is not UTF-8 text</source>
        <translation>die Zeile ist kein UTF-8-Text</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the record&apos;s version is not a number: &apos;%1&apos;</source>
        <translation>die Version des Protokolls ist keine Zahl: „%1“</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>record version %1 is not known here (this program reads version %2)</source>
        <translation>Protokollversion %1 ist hier unbekannt (dieses Programm liest Version %2)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>expected a field such as &apos;Start: opening&apos;</source>
        <translation>erwartet wird ein Feld wie „Start: opening“</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>unknown field &apos;%1&apos;</source>
        <translation>unbekanntes Feld „%1“</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 is given twice (first on line %2)</source>
        <translation>%1 steht zweimal da (zuerst in Zeile %2)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the record ends before its Moves line</source>
        <translation>das Protokoll endet vor seiner Moves-Zeile</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the %1 field is missing</source>
        <translation>das Feld %1 fehlt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the date is not of the form YYYY-MM-DD HH:MM</source>
        <translation>das Datum hat nicht die Form YYYY-MM-DD HH:MM</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the program is not named</source>
        <translation>das Programm ist nicht genannt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>a name is 1 to 63 bytes without control characters</source>
        <translation>ein Name hat 1 bis 63 Bytes ohne Steuerzeichen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>expected &apos;-&apos;, &apos;NAME | person&apos; or &apos;NAME | computer | STRENGTH | STYLE, STYLE&apos;</source>
        <translation>erwartet wird „-“, „NAME | person“ oder „NAME | computer | STRENGTH | STYLE, STYLE“</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the strength is one of Beginner, Standard, Expert</source>
        <translation>die Spielstärke ist Beginner, Standard oder Expert</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the styles are two of Friendly, Neutral, Hostile, such as &apos;Hostile, Friendly&apos;</source>
        <translation>die Spielweisen sind zwei von Friendly, Neutral, Hostile, etwa „Hostile, Friendly“</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>fewer than two players take part</source>
        <translation>weniger als zwei Spieler spielen mit</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ToMove names no player taking part</source>
        <translation>ToMove nennt keinen mitspielenden Spieler</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ToMove names a player who has finished</source>
        <translation>ToMove nennt einen Spieler, der schon fertig ist</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Moves takes the number of moves</source>
        <translation>Moves nimmt die Zahl der Züge</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Start is &apos;opening&apos; or &apos;position&apos;</source>
        <translation>Start ist „opening“ oder „position“</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 belongs to a record starting from a position, for a player taking part</source>
        <translation>%1 gehört zu einem Protokoll, das mit einer Stellung beginnt, und zu einem mitspielenden Spieler</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Finished belongs to a record starting from a position</source>
        <translation>Finished gehört zu einem Protokoll, das mit einer Stellung beginnt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>a player has ten pieces</source>
        <translation>ein Spieler hat zehn Figuren</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&apos;%1&apos; is not a hole</source>
        <translation>„%1“ ist kein Loch</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>two pieces on %1</source>
        <translation>zwei Figuren auf %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Finished takes &apos;none&apos; or the players who have finished</source>
        <translation>Finished nimmt „none“ oder die Spieler, die fertig sind</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Finished takes &apos;none&apos; or players taking part, each once</source>
        <translation>Finished nimmt „none“ oder mitspielende Spieler, jeden einmal</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>P%1 is home but not among the finished</source>
        <translation>P%1 ist im Ziel, aber nicht unter den Fertigen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>P%1 has finished but is not home</source>
        <translation>P%1 ist fertig, aber nicht im Ziel</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Table names the players taking part and Rule how they finish (&apos;full target&apos; or &apos;all home&apos;)</source>
        <translation>Table nennt die mitspielenden Spieler und Rule, wie sie fertig werden („full target“ oder „all home“)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>fewer than two players are left to play</source>
        <translation>weniger als zwei Spieler spielen noch</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Result takes &apos;unfinished&apos; or the players taking part in their finishing order</source>
        <translation>Result nimmt „unfinished“ oder die mitspielenden Spieler in der Reihenfolge, in der sie fertig wurden</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>more moves than the %1 of the Moves line</source>
        <translation>mehr Züge als die %1 der Moves-Zeile</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the record ends after %1 of its %2 moves</source>
        <translation>das Protokoll endet nach %1 seiner %2 Züge</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>expected a move such as &apos;%1. P1 n2-m6&apos;</source>
        <translation>erwartet wird ein Zug wie „%1. P1 n2-m6“</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>move %1 where move %2 was expected</source>
        <translation>Zug %1, wo Zug %2 erwartet wurde</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the mover is P1 to P6, not &apos;%1&apos;</source>
        <translation>am Zug ist P1 bis P6, nicht „%1“</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&apos;%1&apos; is not a move in hole names, such as n2-m6</source>
        <translation>„%1“ ist kein Zug in Lochnamen wie n2-m6</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>a move ends with &apos;(person)&apos; or &apos;(computer)&apos; only when its seat is the other&apos;s</source>
        <translation>ein Zug endet nur dann mit „(person)“ oder „(computer)“, wenn sein Platz dem anderen gehört</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the game is over with the finishing order %1, not %2</source>
        <translation>die Partie endet mit der Reihenfolge %1, nicht %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the result is %1 but the game is not over</source>
        <translation>das Ergebnis ist %1, aber die Partie ist nicht zu Ende</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>a game stopped after its first finisher ends %1, not %2</source>
        <translation>eine nach dem ersten Fertigen beendete Partie endet %1, nicht %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the game is over; no move may follow</source>
        <translation>die Partie ist zu Ende; es darf kein Zug folgen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>P%1 does not take part</source>
        <translation>P%1 spielt nicht mit</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>P%1 has finished and moves no more</source>
        <translation>P%1 ist fertig und zieht nicht mehr</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>P%1 moves out of turn: P%2 is to move</source>
        <translation>P%1 zieht außer der Reihe: P%2 ist am Zug</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>P%1 has no piece on %2</source>
        <translation>P%1 hat keine Figur auf %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the piece on %1 is not piece %2</source>
        <translation>die Figur auf %1 ist nicht Figur %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the move has no landing</source>
        <translation>der Zug hat kein Ziel</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>a landing is not a hole</source>
        <translation>ein Ziel ist kein Loch</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 is taken</source>
        <translation>%1 ist besetzt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1-%2 is neither a step nor a jump</source>
        <translation>%1-%2 ist weder ein Schritt noch ein Sprung</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>no piece to jump over between %1 and %2</source>
        <translation>zwischen %1 und %2 steht keine Figur zum Überspringen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the chain comes back to %1</source>
        <translation>die Sprungkette kehrt nach %1 zurück</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 is taken or landed on before</source>
        <translation>%1 ist besetzt oder wurde schon angesprungen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>P%1 may not stop on %2, in another player&apos;s zone</source>
        <translation>P%1 darf nicht auf %2 stehen bleiben, in der Zone eines anderen Spielers</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 is not among the destinations of the piece on %2</source>
        <translation>%1 ist keines der Ziele der Figur auf %2</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>unfinished</source>
        <comment>a game record&apos;s result</comment>
        <translation>nicht beendet</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Move %1: %2</source>
        <extracomment>Why a game record was refused: %1 is the move&apos;s number, %2 what is wrong with it.</extracomment>
        <translation>Zug %1: %2</translation>
    </message>
</context>
<context>
    <name>tavolux::RecordFiles</name>
    <message>
        <location filename="../app/recordfiles.cpp" line="+37"/>
        <location line="+12"/>
        <source>Save Game Record</source>
        <translation>Spielprotokoll speichern</translation>
    </message>
    <message>
        <location line="-12"/>
        <source>There is no game to record.</source>
        <translation>Es gibt keine Partie, die sich speichern ließe.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>The game record could not be saved as &quot;%1&quot;.

%2</source>
        <translation>Das Spielprotokoll konnte nicht als „%1“ gespeichert werden.

%2</translation>
    </message>
    <message>
        <location line="+14"/>
        <location line="+9"/>
        <source>Open Game Record</source>
        <translation>Spielprotokoll öffnen</translation>
    </message>
    <message>
        <location line="-8"/>
        <source>The file &quot;%1&quot; could not be opened.

%2</source>
        <translation>Die Datei „%1“ konnte nicht geöffnet werden.

%2</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&quot;%1&quot; is not a game record that can be shown.

%2</source>
        <translation>„%1“ ist kein Spielprotokoll, das sich zeigen lässt.

%2</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Play from Here</source>
        <translation>Von hier weiterspielen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>There is still a game in progress.  Do you want to abandon it?</source>
        <translation>Es läuft noch eine Partie. Willst du sie abbrechen?</translation>
    </message>
</context>
<context>
    <name>tavolux::RefereeHost</name>
    <message>
        <location filename="../app/refereehost.cpp" line="+17"/>
        <source>The referee: whose turn it is and what happens</source>
        <extracomment>What a screen reader says the referee window is.</extracomment>
        <translation>Der Schiedsrichter: wer am Zug ist und was geschieht</translation>
    </message>
</context>
<context>
    <name>tavolux::RefereeWindow</name>
    <message>
        <location filename="../referee/refereewindow.cpp" line="+47"/>
        <source>   The Referee</source>
        <translation>   Der Schiedsrichter</translation>
    </message>
</context>
<context>
    <name>tavolux::ResultsDialog</name>
    <message>
        <location filename="../dialogs/resultsdialog.cpp" line="+219"/>
        <source>Game Results</source>
        <translation>Spielergebnis</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>First Place</source>
        <translation>Erster Platz</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Second Place</source>
        <translation>Zweiter Platz</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Third Place</source>
        <translation>Dritter Platz</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Player #?:</source>
        <translation>Spieler ?:</translation>
    </message>
    <message>
        <location line="-40"/>
        <location line="+61"/>
        <source>Player #%1:</source>
        <translation>Spieler %1:</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Play Again</source>
        <translation>&amp;Nochmal spielen</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Starts a new game with the same players</source>
        <translation>Beginnt eine neue Partie mit denselben Spielern</translation>
    </message>
</context>
<context>
    <name>tavolux::RulesWindow</name>
    <message>
        <location filename="../dialogs/ruleswindow.cpp" line="+22"/>
        <source>Tavolux Help - Playing Rules</source>
        <translation>Tavolux-Hilfe – Spielregeln</translation>
    </message>
</context>
<context>
    <name>tavolux::SafeFiles</name>
    <message>
        <location filename="../app/safefiles.cpp" line="+33"/>
        <source>There is no such file or folder.</source>
        <translation>Diese Datei oder dieser Ordner existiert nicht.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The file or its folder is not writable (no permission, or a read-only disk).</source>
        <translation>Die Datei oder ihr Ordner ist nicht beschreibbar (keine Berechtigung oder ein schreibgeschützter Datenträger).</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The file may not be read (no permission).</source>
        <translation>Die Datei darf nicht gelesen werden (keine Berechtigung).</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>It is not a regular file.</source>
        <translation>Es ist keine gewöhnliche Datei.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>There is no space left on the disk.</source>
        <translation>Auf dem Datenträger ist kein Platz mehr frei.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The file would be larger than the program is allowed to write.</source>
        <translation>Die Datei wäre größer, als das Programm schreiben darf.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The system reported: %1</source>
        <translation>Das System meldete: %1</translation>
    </message>
</context>
<context>
    <name>tavolux::Settings</name>
    <message>
        <location filename="../app/settings.cpp" line="+188"/>
        <source>The settings could not be saved in &quot;%1&quot;.

%2</source>
        <translation>Die Einstellungen konnten nicht in „%1“ gespeichert werden.

%2</translation>
    </message>
</context>
<context>
    <name>tavolux::SetupCoverPage</name>
    <message>
        <location filename="../dialogs/setupcoverpage.cpp" line="+24"/>
        <source>Active Players</source>
        <translation>Mitspieler</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Player #%1</source>
        <translation>Spieler %1</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Table</source>
        <translation>Tisch</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Two or three players</source>
        <extracomment>The classic table: players 1 to 3 chosen one by one below.</extracomment>
        <translation>Zwei oder drei Spieler</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Two players across</source>
        <extracomment>Two players in the opposite points of the star.</extracomment>
        <translation>Zwei Spieler gegenüber</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Four players</source>
        <extracomment>Four players in two pairs of opposite points.</extracomment>
        <translation>Vier Spieler</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Six players</source>
        <translation>Sechs Spieler</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The star, each playing point in its player&apos;s colour</source>
        <translation>Der Stern, jede mitspielende Spitze in der Farbe ihres Spielers</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Animation Speed</source>
        <translation>Animationstempo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Smooth (for fast PC)</source>
        <translation>Flüssig (für schnelle PCs)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Flickery (for slow PC)</source>
        <translation>Ruckelig (für langsame PCs)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Sound</source>
        <translation>Ton</translation>
    </message>
</context>
<context>
    <name>tavolux::SetupPlayerPage</name>
    <message>
        <location filename="../dialogs/setupplayerpage.cpp" line="+70"/>
        <source>Friendly</source>
        <translation>Freundlich</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Neutral</source>
        <translation>Neutral</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Hostile</source>
        <translation>Angriffslustig</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The name the game calls this player by</source>
        <translation>Der Name, mit dem das Spiel diesen Spieler anspricht</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Picture:</source>
        <translation>Bild:</translation>
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
        <translation>Vorheriges Bild</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Next picture</source>
        <extracomment>A screen reader&apos;s name for the &quot;&gt;&gt;&quot; button.</extracomment>
        <translation>Nächstes Bild</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The computer&apos;s picture makes the player a computer, any other picture a person</source>
        <translation>Das Bild des Computers macht den Spieler zum Computer, jedes andere Bild zu einem Menschen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Automatic board re-position</source>
        <translation>Brett automatisch drehen</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Preferred view of home region:</source>
        <translation>Eigene Spitze am liebsten:</translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+4"/>
        <location line="+118"/>
        <source>Style toward player #%1:</source>
        <translation>Haltung zu Spieler %1:</translation>
    </message>
    <message>
        <location line="-112"/>
        <source>Strength:</source>
        <extracomment>Label of the list of how well a computer player plays (Beginner, Standard, Expert).</extracomment>
        <translation>Spielstärke:</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>How well the computer plays</source>
        <translation>Wie gut der Computer spielt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>How the computer treats that player: it spoils, leaves room or neither</source>
        <translation>Wie der Computer diesen Spieler behandelt: er stört, lässt Platz oder keins von beiden</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>Computer AI Algorithm</source>
        <translation>Spielweise des Computers</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>Style toward the others:</source>
        <translation>Haltung zu den anderen:</translation>
    </message>
</context>
<context>
    <name>tavolux::SetupSheet</name>
    <message>
        <location filename="../dialogs/setupsheet.cpp" line="+20"/>
        <source>New Game</source>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Game Setup</source>
        <translation>Spiel einrichten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Who takes part, the animation speed and the sound</source>
        <translation>Wer mitspielt, die Animationsgeschwindigkeit und der Ton</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Player #%1</source>
        <translation>Spieler %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Name, picture, board turning and computer play of player #%1</source>
        <translation>Name, Bild, Brettdrehung und Computerspiel von Spieler %1</translation>
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
        <translation>Sternhalma</translation>
    </message>
</context>
<context>
    <name>tavolux::StatisticsDialog</name>
    <message>
        <location filename="../dialogs/statisticsdialog.cpp" line="+92"/>
        <source>Person</source>
        <extracomment>A player played by a person at the mouse, not by the computer.</extracomment>
        <translation>Mensch</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+2"/>
        <location line="+2"/>
        <source>Computer (%1)</source>
        <extracomment>A computer player; %1 is how well it plays (Beginner, Standard, Expert).</extracomment>
        <translation>Computer (%1)</translation>
    </message>
    <message>
        <location line="+8"/>
        <location line="+202"/>
        <source>Statistics</source>
        <extracomment>The title of the window with each player&apos;s figures over the games played.</extracomment>
        <translation>Statistik</translation>
    </message>
    <message>
        <location line="-195"/>
        <source>Games with &amp;Persons</source>
        <extracomment>Tab of the figures from games in which at least one person played.</extracomment>
        <translation>Partien mit &amp;Menschen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Games among Co&amp;mputers</source>
        <extracomment>Tab of the figures from games that computer players played among themselves.</extracomment>
        <translation>Partien unter &amp;Computern</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Each player&apos;s results in these games</source>
        <translation>Die Ergebnisse jedes Spielers in diesen Partien</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>C&amp;lear</source>
        <extracomment>Button that empties every player&apos;s figures, after asking.</extracomment>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Forgets every player&apos;s results, after asking</source>
        <translation>Vergisst nach einer Rückfrage die Ergebnisse aller Spieler</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Close</source>
        <extracomment>Button that closes the Statistics window.</extracomment>
        <translation>Schließen</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>No games have been counted yet.</source>
        <extracomment>Shown instead of the table while no game has been counted.</extracomment>
        <translation>Es wurden noch keine Partien gezählt.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Player</source>
        <extracomment>Column heading: the player&apos;s name.</extracomment>
        <translation>Spieler</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Kind</source>
        <extracomment>Column heading: a person, or a computer and how well it plays.</extracomment>
        <translation>Art</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Games</source>
        <extracomment>Column heading: the number of games played to the end.</extracomment>
        <translation>Partien</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>1st</source>
        <extracomment>Column heading: the number of games the player finished first.</extracomment>
        <translation>1.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>2nd</source>
        <extracomment>Column heading: the number of games the player finished second.</extracomment>
        <translation>2.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>3rd</source>
        <extracomment>Column heading: the number of games the player finished third.</extracomment>
        <translation>3.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>4th</source>
        <extracomment>Column heading: the number of games the player finished fourth.</extracomment>
        <translation>4.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>5th</source>
        <extracomment>Column heading: the number of games the player finished fifth.</extracomment>
        <translation>5.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>6th</source>
        <extracomment>Column heading: the number of games the player finished sixth.</extracomment>
        <translation>6.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Abandoned</source>
        <extracomment>Column heading: the number of games given up before their end.</extracomment>
        <translation>Abgebrochen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Average moves</source>
        <extracomment>Column heading: the average number of moves it took to bring all ten pieces home.</extracomment>
        <translation>Züge im Schnitt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Best</source>
        <extracomment>Column heading: the fewest moves it took to bring all ten pieces home.</extracomment>
        <translation>Bestwert</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Games played to the end</source>
        <translation>Bis zum Ende gespielte Partien</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Games finished in first place</source>
        <translation>Partien auf dem ersten Platz</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Games finished in second place</source>
        <translation>Partien auf dem zweiten Platz</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Games finished in third place</source>
        <translation>Partien auf dem dritten Platz</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Games finished in fourth place</source>
        <translation>Partien auf dem vierten Platz</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Games finished in fifth place</source>
        <translation>Partien auf dem fünften Platz</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Games finished in sixth place</source>
        <translation>Partien auf dem sechsten Platz</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Games given up before their end: a new game or a saved one taken instead, or the program closed</source>
        <translation>Vor dem Ende abgebrochene Partien: stattdessen eine neue oder gespeicherte Partie begonnen oder das Programm beendet</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The average number of moves it took to bring all ten pieces home</source>
        <translation>Wie viele Züge es im Schnitt brauchte, alle zehn Figuren ins Ziel zu bringen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The fewest moves it took to bring all ten pieces home</source>
        <translation>Die wenigsten Züge, mit denen alle zehn Figuren ins Ziel kamen</translation>
    </message>
    <message>
        <location line="+99"/>
        <source>Do you want to clear the statistics of every player?  This cannot be undone.</source>
        <translation>Willst du die Statistik aller Spieler löschen? Das lässt sich nicht rückgängig machen.</translation>
    </message>
</context>
<context>
    <name>tavolux::StatisticsFile</name>
    <message>
        <location filename="../app/statisticsfile.cpp" line="+66"/>
        <source>The folder &quot;%1&quot; could not be made.</source>
        <translation>Der Ordner „%1“ ließ sich nicht anlegen.</translation>
    </message>
</context>
<context>
    <name>tavolux::StatisticsKeeper</name>
    <message>
        <location filename="../app/statisticskeeper.cpp" line="+68"/>
        <source>Another copy of Tavolux kept the statistics file busy.</source>
        <translation>Eine andere laufende Kopie von Tavolux hielt die Statistikdatei belegt.</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>The statistics file &quot;%1&quot; is damaged and could not be moved aside, so nothing is saved over it. Clear the statistics to start a new file.</source>
        <translation>Die Statistikdatei „%1“ ist beschädigt und ließ sich nicht beiseitelegen, deshalb wird nichts darüber gespeichert. Lösche die Statistik, um eine neue Datei anzulegen.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The statistics file was damaged. It has been kept as &quot;%1&quot;, and the statistics started afresh.</source>
        <translation>Die Statistikdatei war beschädigt. Sie wurde als „%1“ aufbewahrt, und die Statistik beginnt von vorn.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The statistics could not be saved in &quot;%1&quot;.
%2</source>
        <translation>Die Statistik ließ sich nicht in „%1“ speichern.
%2</translation>
    </message>
</context>
<context>
    <name>tavolux::TurnLine</name>
    <message>
        <location filename="../app/turnline.cpp" line="+17"/>
        <source>Whose turn it is and the number of the move</source>
        <translation>Wer am Zug ist und die Nummer des Zuges</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Move %1 · %2, %3, thinking</source>
        <extracomment>In the status bar while a computer is to move: the move&apos;s number, the name and the strength.</extracomment>
        <translation>Zug %1 · %2, %3, denkt nach</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Move %1 · Your move, %2</source>
        <extracomment>In the status bar while a person is to move: the move&apos;s number and the name.</extracomment>
        <translation>Zug %1 · Du bist am Zug, %2</translation>
    </message>
</context>
</TS>
