<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>GameTexts</name>
    <message>
        <location filename="../lang/gametexts.cpp" line="+13"/>
        <source>Human</source>
        <extracomment>The first player&apos;s name until it is changed: a person.</extracomment>
        <translation>Humano</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Silicon</source>
        <extracomment>The second player&apos;s name until it is changed: a computer.</extracomment>
        <translation>Silicio</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Positron</source>
        <extracomment>The third player&apos;s name until it is changed: a computer.</extracomment>
        <translation>Positrón</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Photon</source>
        <extracomment>The fourth player&apos;s name until it is changed: a computer.</extracomment>
        <translation>Fotón</translation>
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
        <translation>1.º</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>2nd</source>
        <extracomment>A finishing place, noted under the player&apos;s name in the side panel.</extracomment>
        <translation>2.º</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>3rd</source>
        <extracomment>A finishing place, noted under the player&apos;s name in the side panel.</extracomment>
        <translation>3.º</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>4th</source>
        <extracomment>A finishing place, noted under the player&apos;s name in the side panel.</extracomment>
        <translation>4.º</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>5th</source>
        <extracomment>A finishing place, noted under the player&apos;s name in the side panel.</extracomment>
        <translation>5.º</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>6th</source>
        <extracomment>A finishing place, noted under the player&apos;s name in the side panel.</extracomment>
        <translation>6.º</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>WELCOME</source>
        <extracomment>The referee&apos;s first words, line 1 of 3.</extracomment>
        <translation>BIENVENIDO</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+37"/>
        <source>Please select new</source>
        <extracomment>The referee&apos;s first words, line 2 of 3.</extracomment>
        <translation>Elige una partida</translation>
    </message>
    <message>
        <location line="-35"/>
        <location line="+35"/>
        <source>game in menu bar.</source>
        <extracomment>The referee&apos;s first words, line 3 of 3.</extracomment>
        <translation>nueva en el menú.</translation>
    </message>
    <message>
        <location line="-29"/>
        <source>Move mouse to one</source>
        <extracomment>A person is to move: referee line 2 of 3 (after the name).</extracomment>
        <translation>Apunta a una</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>of your pieces.</source>
        <extracomment>A person is to move: referee line 3 of 3.</extracomment>
        <translation>de tus fichas.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Board re-position</source>
        <extracomment>The board turns before a player&apos;s turn: referee line 2 of 3.</extracomment>
        <translation>El tablero está</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>is in progress...</source>
        <extracomment>The board turns before a player&apos;s turn: referee line 3 of 3.</extracomment>
        <translation>girando...</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Computer AI is</source>
        <extracomment>A computer player searches its move: referee line 2 of 3.</extracomment>
        <translation>El ordenador</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>thinking......</source>
        <extracomment>A computer player searches its move: referee line 3 of 3.</extracomment>
        <translation>piensa......</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>GAME OVER</source>
        <extracomment>The game has ended: referee line 1 of 3.</extracomment>
        <translation>FIN DE LA PARTIDA</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Yep! That&apos;s yours.</source>
        <extracomment>The pointer is over one of the player&apos;s pieces: referee line 2 of 3.</extracomment>
        <translation>¡Sí! Esa es tuya.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Click &amp; drag it.</source>
        <extracomment>The pointer is over one of the player&apos;s pieces: referee line 3 of 3.</extracomment>
        <translation>Pincha y arrastra.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>That&apos;s not yours!</source>
        <extracomment>The pointer is over another player&apos;s piece: referee line 2 of 3.</extracomment>
        <translation>¡Esa no es tuya!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Try a different color.</source>
        <extracomment>The pointer is over another player&apos;s piece: referee line 3 of 3.</extracomment>
        <translation>Prueba con otro color.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Now, drag it to a spot</source>
        <extracomment>A piece is in the hand: referee line 2 of 4.</extracomment>
        <translation>Arrástrala ahora</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>using one move or one</source>
        <extracomment>A piece is in the hand: referee line 3 of 4.</extracomment>
        <translation>con un paso o con uno</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>or more jumps.</source>
        <extracomment>A piece is in the hand: referee line 4 of 4.</extracomment>
        <translation>o más saltos.</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Tavolux</source>
        <translation>Tavolux</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>New Game</source>
        <translation>Nueva partida</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>There is still a game in progress.  Do you want to abandon it?</source>
        <translation>Todavía hay una partida en curso. ¿Quieres abandonarla?</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Player #%1, &quot;%2&quot;,
has moved all the pieces to destination!!!
</source>
        <extracomment>%1 is the player&apos;s number 1 to 6, %2 the player&apos;s name.</extracomment>
        <translation>¡¡¡El jugador %1, «%2»,
ha llevado todas sus fichas a la meta!!!
</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>
But there are still 2 players left.
Do you want to continue the game?</source>
        <translation>
Pero todavía quedan 2 jugadores.
¿Seguimos con la partida?</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>
But there are still %1 players left.
Do you want to continue the game?</source>
        <extracomment>At a table of four or six: %1 is the number of players still in play, 3 to 5.</extracomment>
        <translation>
Pero todavía quedan %1 jugadores.
¿Seguimos con la partida?</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Computer AI</source>
        <translation>Ordenador</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>No valid move was found!</source>
        <translation>¡No hay ninguna jugada válida!</translation>
    </message>
</context>
<context>
    <name>PlayerChoices</name>
    <message>
        <location filename="../dialogs/playerchoices.cpp" line="+20"/>
        <source>Computer</source>
        <extracomment>The picture of a player the computer plays.</extracomment>
        <translation>Ordenador</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Guy</source>
        <extracomment>A player&apos;s picture: a grown man.</extracomment>
        <translation>Señor</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Lady</source>
        <extracomment>A player&apos;s picture: a grown woman.</extracomment>
        <translation>Señora</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Boy</source>
        <translation>Niño</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Girl</source>
        <translation>Niña</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Baby</source>
        <translation>Bebé</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Bear</source>
        <extracomment>A player&apos;s picture: a teddy bear.</extracomment>
        <translation>Osito</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Bottom</source>
        <extracomment>The board turned so that the player&apos;s home point lies at the bottom.</extracomment>
        <translation>Abajo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Top</source>
        <translation>Arriba</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lower-Left</source>
        <translation>Abajo a la izquierda</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lower-Right</source>
        <translation>Abajo a la derecha</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Upper-Left</source>
        <translation>Arriba a la izquierda</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Upper-Right</source>
        <translation>Arriba a la derecha</translation>
    </message>
    <message>
        <location filename="../view/windowpainter.cpp" line="+113"/>
        <location filename="../dialogs/playerchoices.cpp" line="+7"/>
        <source>Beginner</source>
        <extracomment>How well a computer player plays: the weakest of three levels.</extracomment>
        <translation>Principiante</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../dialogs/playerchoices.cpp" line="+2"/>
        <source>Standard</source>
        <extracomment>How well a computer player plays: the middle of three levels, the usual one.</extracomment>
        <translation>Estándar</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../dialogs/playerchoices.cpp" line="+2"/>
        <source>Expert</source>
        <extracomment>How well a computer player plays: the strongest of three levels.</extracomment>
        <translation>Experto</translation>
    </message>
</context>
<context>
    <name>Prompt</name>
    <message>
        <location filename="../app/prompttable.cpp" line="+17"/>
        <source>Play a new game of Chinese Checkers.</source>
        <translation>Empezar una nueva partida de damas chinas.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open a previously saved game.</source>
        <translation>Abrir una partida guardada.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save the currently unfinished game.</source>
        <translation>Guardar la partida en curso.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Change playing options in the middle of a game.</source>
        <translation>Cambiar las opciones en plena partida.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Exit Tavolux.</source>
        <translation>Salir de Tavolux.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Undo last move.</source>
        <translation>Deshacer la última jugada.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Redo the previously undone move.</source>
        <translation>Rehacer la jugada deshecha.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show all valid moves of a playing piece.</source>
        <translation>Mostrar todas las jugadas válidas de una ficha.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Suggest a move for the player to move.</source>
        <translation>Sugerir una jugada al jugador que tiene el turno.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Toggle referee window on/off.</source>
        <translation>Mostrar u ocultar el árbitro.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show or hide the moves made since your last move.</source>
        <translation>Mostrar u ocultar las jugadas hechas desde tu última jugada.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Restore all windows to their default settings.</source>
        <translation>Devolver todas las ventanas a su configuración inicial.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show or hide the list of the moves made in this game.</source>
        <translation>Mostrar u ocultar la lista de jugadas de esta partida.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save every move of this game as a game record.</source>
        <translation>Guardar todas las jugadas de esta partida como registro de partida.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open a game record and step through its moves.</source>
        <translation>Abrir un registro de partida y recorrer sus jugadas.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show how each player has fared over the games.</source>
        <translation>Mostrar cómo le ha ido a cada jugador en sus partidas.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Mark the holes a lifted piece may reach, or stop marking them.</source>
        <translation>Marcar los huecos a los que puede llegar una ficha levantada, o dejar de marcarlos.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show or hide each player&apos;s symbol on the pieces.</source>
        <translation>Mostrar u ocultar el símbolo de cada jugador en sus fichas.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Display help documentation on Chinese Checkers playing rules.</source>
        <translation>Mostrar las reglas de las damas chinas.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Display Tavolux&apos;s information and copyright.</source>
        <translation>Mostrar la información y el copyright de Tavolux.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show all valid moves.</source>
        <translation>Mostrar todas las jugadas válidas.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Computer AI is thinking...</source>
        <translation>El ordenador está pensando...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Board re-position is in progress...</source>
        <translation>El tablero está girando...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ready.</source>
        <translation>Listo.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Drop the piece on a hole of the board.</source>
        <translation>Suelta la ficha en un hueco del tablero.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>That hole is taken.</source>
        <translation>Ese hueco ya está ocupado.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A piece may pass through another player&apos;s point, but not stop there.</source>
        <translation>Una ficha puede cruzar la punta de otro jugador, pero no quedarse en ella.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The piece cannot reach that hole in one move.</source>
        <translation>La ficha no puede llegar a ese hueco en una sola jugada.</translation>
    </message>
</context>
<context>
    <name>tavolux::AboutBox</name>
    <message>
        <location filename="../dialogs/aboutbox.cpp" line="+73"/>
        <source>About Tavolux</source>
        <translation>Acerca de Tavolux</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Tavolux (64-bit)
Version 1.32</source>
        <translation>Tavolux (64 bits)
Versión 1.32</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tavolux (32-bit)
Version 1.32</source>
        <translation>Tavolux (32 bits)
Versión 1.32</translation>
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
        <translation>Un texto que acompaña al programa</translation>
    </message>
</context>
<context>
    <name>tavolux::AccessibleTexts</name>
    <message>
        <location filename="../dialogs/accessibletexts.cpp" line="+21"/>
        <source>Takes the choices and closes the window</source>
        <translation>Aplica lo elegido y cierra la ventana</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Closes the window and changes nothing</source>
        <translation>Cierra la ventana sin cambiar nada</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>A beep after every move of a computer</source>
        <translation>Un pitido tras cada jugada de un ordenador</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Turns the board to the player&apos;s preferred view at each of its turns</source>
        <translation>Gira el tablero hacia la vista preferida del jugador en cada uno de sus turnos</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The side of the screen the player&apos;s home point is turned to</source>
        <translation>El lado de la pantalla hacia el que se gira la punta del jugador</translation>
    </message>
</context>
<context>
    <name>tavolux::BoardVoice</name>
    <message>
        <location filename="../app/boardvoice.cpp" line="+41"/>
        <source>The last move made</source>
        <translation>La última jugada hecha</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Board</source>
        <extracomment>The board&apos;s name for a screen reader while the keys&apos; ring is hidden.</extracomment>
        <translation>Tablero</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The board. The arrow keys move a ring from hole to hole; Space or Enter picks up a piece and puts it down; Escape puts it back.</source>
        <translation>El tablero. Las flechas mueven un anillo de agujero en agujero; Espacio o Intro toma una ficha y la deja; Escape la devuelve a su sitio.</translation>
    </message>
    <message>
        <location line="+64"/>
        <source>%1, %2&apos;s piece</source>
        <extracomment>What a screen reader says of the hole under the keys&apos; ring: its name and whose piece is there.</extracomment>
        <translation>%1, ficha de %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1, empty</source>
        <extracomment>What a screen reader says of the hole under the keys&apos; ring when no piece is there.</extracomment>
        <translation>%1, vacío</translation>
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
        <translation>Guardar registro de partida</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Open Game Record</source>
        <translation>Abrir registro de partida</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save Game</source>
        <translation>Guardar partida</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Load Game</source>
        <translation>Cargar partida</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Tavolux Files (*.tvx)</source>
        <translation>Partidas de Tavolux (*.tvx)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Tavolux Game Records (*.tvr)</source>
        <translation>Registros de partidas de Tavolux (*.tvr)</translation>
    </message>
</context>
<context>
    <name>tavolux::GameApp</name>
    <message>
        <location filename="../app/gameapp.cpp" line="+41"/>
        <source>Chinese checkers</source>
        <translation>Damas chinas</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>A saved game to open.</source>
        <translation>Una partida guardada que abrir.</translation>
    </message>
</context>
<context>
    <name>tavolux::GameFiles</name>
    <message>
        <location filename="../app/gamefiles.cpp" line="+18"/>
        <location line="+19"/>
        <location line="+13"/>
        <source>Save Game</source>
        <translation>Guardar partida</translation>
    </message>
    <message>
        <location line="-32"/>
        <source>There is no unfinished game to save!</source>
        <translation>¡No hay ninguna partida a medias que guardar!</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 ya existe.
¿Quieres reemplazarlo?</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>The game could not be saved as &quot;%1&quot;.

%2</source>
        <translation>No se pudo guardar la partida como «%1».

%2</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+13"/>
        <location line="+8"/>
        <source>Load Game</source>
        <translation>Cargar partida</translation>
    </message>
    <message>
        <location line="-20"/>
        <source>There is still a game in progress.  Do you want to abandon it?</source>
        <translation>Todavía hay una partida en curso. ¿Quieres abandonarla?</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>The file &quot;%1&quot; could not be opened.

%2</source>
        <translation>No se pudo abrir el archivo «%1».

%2</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>That is not a Tavolux file!</source>
        <translation>¡Eso no es un archivo de Tavolux!</translation>
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
        <translation>Girar en sentido horario</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rotate counter-clockwise</source>
        <translation>Girar en sentido antihorario</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Turns the board one step; the game goes on as it was</source>
        <translation>Gira el tablero un paso; la partida sigue igual</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>What the game is doing</source>
        <extracomment>The accessible description of the status bar&apos;s prompt line.</extracomment>
        <translation>Lo que está haciendo el juego</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>Reviewing an earlier position: Escape returns to the game.</source>
        <extracomment>In the status line while the board shows an earlier position.</extracomment>
        <translation>Posición anterior: Esc vuelve a la partida.</translation>
    </message>
    <message>
        <location line="+191"/>
        <source>Exit Game</source>
        <translation>Salir del juego</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Do you really want to exit the game?</source>
        <translation>¿Seguro que quieres salir del juego?</translation>
    </message>
    <message>
        <location filename="../app/boardcommands.cpp" line="+25"/>
        <location line="+22"/>
        <source>Show Valid Moves</source>
        <translation>Mostrar jugadas válidas</translation>
    </message>
    <message>
        <location line="-21"/>
        <source>Click right mouse button on the piece
that you wish to show all valid moves.</source>
        <translation>Haz clic con el botón derecho en la ficha
cuyas jugadas válidas quieras ver.</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>Hint</source>
        <translation>Pista</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 has no valid move.</source>
        <translation>%1 no tiene ninguna jugada válida.</translation>
    </message>
    <message>
        <location filename="../app/commandtable.cpp" line="+25"/>
        <source>&amp;New Game</source>
        <translation>&amp;Nueva partida</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Load Game</source>
        <translation>&amp;Cargar partida</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Save Game</source>
        <translation>&amp;Guardar partida</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Change Options</source>
        <translation>Cambiar &amp;opciones</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Show Valid Moves</source>
        <translation>&amp;Mostrar jugadas válidas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Hint</source>
        <translation>&amp;Pista</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Referee</source>
        <translation>&amp;Árbitro</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show &amp;Last Moves</source>
        <translation>Últimas &amp;jugadas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Default Settings</source>
        <translation>&amp;Valores iniciales</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Playing Rules</source>
        <translation>&amp;Reglas del juego</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;About Tavolux</source>
        <translation>&amp;Acerca de Tavolux</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Move List</source>
        <translation>&amp;Lista de jugadas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save Game &amp;Record...</source>
        <translation>Guardar &amp;registro de partida...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Open Game Record...</source>
        <translation>&amp;Abrir registro de partida...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>S&amp;tatistics...</source>
        <translation>Es&amp;tadísticas...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show Des&amp;tinations</source>
        <translation>Mostrar &amp;destinos</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Piece Symbols</source>
        <translation>Símbolos de las &amp;fichas</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>&amp;Game</source>
        <translation>&amp;Partida</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Move</source>
        <translation>&amp;Jugada</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
</context>
<context>
    <name>tavolux::MoveListWindow</name>
    <message>
        <location filename="../app/movelistwindow.cpp" line="+44"/>
        <location line="+9"/>
        <source>Move List</source>
        <translation>Lista de jugadas</translation>
    </message>
    <message>
        <location line="-5"/>
        <source>Back to the game</source>
        <translation>Volver a la partida</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Play from here</source>
        <extracomment>Starts a game from the position of the game record shown.</extracomment>
        <translation>Jugar desde aquí</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Every move of the game; choosing one shows the board after it</source>
        <translation>Cada jugada de la partida; elegir una muestra el tablero después de ella</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Shows the game&apos;s own position again</source>
        <translation>Vuelve a mostrar la posición de la partida</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Plays on from the position shown</source>
        <translation>Sigue jugando desde la posición mostrada</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Start</source>
        <extracomment>The first row of the move list: the position before any move.</extracomment>
        <translation>Inicio</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Choosing it shows the position before the first move</source>
        <translation>Muestra la posición antes de la primera jugada</translation>
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
        <translation>Muestra el tablero después de esta jugada</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Game record: the board after move %1.</source>
        <extracomment>Below the move list while the board shows an earlier position.</extracomment>
        <translation>Registro: el tablero tras la jugada %1.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reviewing: the board after move %1.</source>
        <translation>Repaso: el tablero tras la jugada %1.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>%1 (taken back: Redo plays it again)</source>
        <extracomment>The tooltip of a move taken back by Undo: the mover&apos;s name, then this.</extracomment>
        <translation>%1 (deshecha: Rehacer la vuelve a jugar)</translation>
    </message>
</context>
<context>
    <name>tavolux::OptionsDialog</name>
    <message>
        <location filename="../dialogs/optionsdialog.cpp" line="+70"/>
        <source>Change Options</source>
        <translation>Cambiar opciones</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Sound</source>
        <translation>Sonido</translation>
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
        <translation>Fondo anterior</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Next wallpaper</source>
        <translation>Fondo siguiente</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Changes the window&apos;s background at once</source>
        <translation>Cambia al instante el fondo de la ventana</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>[Background Wallpaper]</source>
        <translation>[Fondo de pantalla]</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>Animation Speed</source>
        <translation>Velocidad de animación</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Smooth (for fast PC)</source>
        <translation>Fluida (PC rápido)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Flickery (for slow PC)</source>
        <translation>A saltos (PC lento)</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Player #%1</source>
        <translation>Jugador %1</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Automatic board re-position</source>
        <translation>Girar el tablero automáticamente</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Preferred view of home region:</source>
        <translation>Tu punta, preferiblemente:</translation>
    </message>
</context>
<context>
    <name>tavolux::RecordFaultTexts</name>
    <message>
        <location filename="../app/recordfaulttexts.cpp" line="+12"/>
        <source>cannot open the file</source>
        <translation>no se puede abrir el archivo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cannot read the file</source>
        <translation>no se puede leer el archivo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the file is larger than 4 MiB, more than any game record</source>
        <translation>el archivo ocupa más de 4 MiB, más que cualquier registro de partida</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+116"/>
        <source>not a Tavolux game record</source>
        <translation>no es un registro de partida de Tavolux</translation>
    </message>
    <message>
        <location line="-114"/>
        <source>the line is longer than 4096 bytes</source>
        <translation>la línea ocupa más de 4096 bytes</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the line is not UTF-8 text</source>
        <translation>la línea no es texto UTF-8</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the record&apos;s version is not a number: &apos;%1&apos;</source>
        <translation>la versión del registro no es un número: «%1»</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>record version %1 is not known here (this program reads version %2)</source>
        <translation>la versión %1 de registro no se conoce aquí (este programa lee la versión %2)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>expected a field such as &apos;Start: opening&apos;</source>
        <translation>se esperaba un campo como «Start: opening»</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>unknown field &apos;%1&apos;</source>
        <translation>campo desconocido «%1»</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 is given twice (first on line %2)</source>
        <translation>%1 aparece dos veces (la primera en la línea %2)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the record ends before its Moves line</source>
        <translation>el registro termina antes de su línea Moves</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the %1 field is missing</source>
        <translation>falta el campo %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the date is not of the form YYYY-MM-DD HH:MM</source>
        <translation>la fecha no tiene la forma YYYY-MM-DD HH:MM</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the program is not named</source>
        <translation>no se nombra el programa</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>a name is 1 to 63 bytes without control characters</source>
        <translation>un nombre tiene de 1 a 63 bytes sin caracteres de control</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>expected &apos;-&apos;, &apos;NAME | person&apos; or &apos;NAME | computer | STRENGTH | STYLE, STYLE&apos;</source>
        <translation>se esperaba «-», «NAME | person» o «NAME | computer | STRENGTH | STYLE, STYLE»</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the strength is one of Beginner, Standard, Expert</source>
        <translation>la fuerza es Beginner, Standard o Expert</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the styles are two of Friendly, Neutral, Hostile, such as &apos;Hostile, Friendly&apos;</source>
        <translation>las estrategias son dos de Friendly, Neutral, Hostile, por ejemplo «Hostile, Friendly»</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>fewer than two players take part</source>
        <translation>juegan menos de dos jugadores</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ToMove names no player taking part</source>
        <translation>ToMove no nombra a ningún jugador que participe</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ToMove names a player who has finished</source>
        <translation>ToMove nombra a un jugador que ya ha terminado</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Moves takes the number of moves</source>
        <translation>Moves lleva el número de jugadas</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Start is &apos;opening&apos; or &apos;position&apos;</source>
        <translation>Start es «opening» o «position»</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 belongs to a record starting from a position, for a player taking part</source>
        <translation>%1 solo corresponde a un registro que parte de una posición, para un jugador que participe</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Finished belongs to a record starting from a position</source>
        <translation>Finished solo corresponde a un registro que parte de una posición</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>a player has ten pieces</source>
        <translation>un jugador tiene diez fichas</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&apos;%1&apos; is not a hole</source>
        <translation>«%1» no es un hueco</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>two pieces on %1</source>
        <translation>dos fichas en %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Finished takes &apos;none&apos; or the players who have finished</source>
        <translation>Finished lleva «none» o los jugadores que han terminado</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Finished takes &apos;none&apos; or players taking part, each once</source>
        <translation>Finished lleva «none» o jugadores que participen, cada uno una vez</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>P%1 is home but not among the finished</source>
        <translation>P%1 ha llegado a la meta pero no está entre los que han terminado</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>P%1 has finished but is not home</source>
        <translation>P%1 ha terminado pero no está en la meta</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Table names the players taking part and Rule how they finish (&apos;full target&apos; or &apos;all home&apos;)</source>
        <translation>Table lleva los jugadores que participan y Rule cómo terminan («full target» o «all home»)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>fewer than two players are left to play</source>
        <translation>quedan menos de dos jugadores por jugar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Result takes &apos;unfinished&apos; or the players taking part in their finishing order</source>
        <translation>Result lleva «unfinished» o los jugadores que participan en el orden en que terminaron</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>more moves than the %1 of the Moves line</source>
        <translation>más jugadas que las %1 de la línea Moves</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the record ends after %1 of its %2 moves</source>
        <translation>el registro termina tras %1 de sus %2 jugadas</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>expected a move such as &apos;%1. P1 n2-m6&apos;</source>
        <translation>se esperaba una jugada como «%1. P1 n2-m6»</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>move %1 where move %2 was expected</source>
        <translation>jugada %1 donde se esperaba la jugada %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the mover is P1 to P6, not &apos;%1&apos;</source>
        <translation>quien juega es de P1 a P6, no «%1»</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&apos;%1&apos; is not a move in hole names, such as n2-m6</source>
        <translation>«%1» no es una jugada con nombres de huecos, como n2-m6</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>a move ends with &apos;(person)&apos; or &apos;(computer)&apos; only when its seat is the other&apos;s</source>
        <translation>una jugada solo termina en «(person)» o «(computer)» cuando su puesto es del otro</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the game is over with the finishing order %1, not %2</source>
        <translation>la partida termina con el orden %1, no %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the result is %1 but the game is not over</source>
        <translation>el resultado es %1 pero la partida no ha terminado</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>a game stopped after its first finisher ends %1, not %2</source>
        <translation>una partida detenida tras el primero en terminar acaba %1, no %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the game is over; no move may follow</source>
        <translation>la partida ha terminado; no puede seguir ninguna jugada</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>P%1 does not take part</source>
        <translation>P%1 no participa</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>P%1 has finished and moves no more</source>
        <translation>P%1 ha terminado y ya no juega</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>P%1 moves out of turn: P%2 is to move</source>
        <translation>P%1 juega fuera de turno: le toca a P%2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>P%1 has no piece on %2</source>
        <translation>P%1 no tiene ninguna ficha en %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the piece on %1 is not piece %2</source>
        <translation>la ficha de %1 no es la ficha %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the move has no landing</source>
        <translation>la jugada no tiene destino</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>a landing is not a hole</source>
        <translation>un destino no es un hueco</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 is taken</source>
        <translation>%1 está ocupado</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1-%2 is neither a step nor a jump</source>
        <translation>%1-%2 no es ni un paso ni un salto</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>no piece to jump over between %1 and %2</source>
        <translation>no hay ninguna ficha que saltar entre %1 y %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the chain comes back to %1</source>
        <translation>la cadena de saltos vuelve a %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 is taken or landed on before</source>
        <translation>%1 está ocupado o ya se ha pasado por él</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>P%1 may not stop on %2, in another player&apos;s zone</source>
        <translation>P%1 no puede detenerse en %2, en la zona de otro jugador</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 is not among the destinations of the piece on %2</source>
        <translation>%1 no está entre los destinos de la ficha de %2</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>unfinished</source>
        <comment>a game record&apos;s result</comment>
        <translation>sin terminar</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Move %1: %2</source>
        <extracomment>Why a game record was refused: %1 is the move&apos;s number, %2 what is wrong with it.</extracomment>
        <translation>Jugada %1: %2</translation>
    </message>
</context>
<context>
    <name>tavolux::RecordFiles</name>
    <message>
        <location filename="../app/recordfiles.cpp" line="+37"/>
        <location line="+12"/>
        <source>Save Game Record</source>
        <translation>Guardar registro de partida</translation>
    </message>
    <message>
        <location line="-12"/>
        <source>There is no game to record.</source>
        <translation>No hay ninguna partida que registrar.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>The game record could not be saved as &quot;%1&quot;.

%2</source>
        <translation>No se pudo guardar el registro de partida como «%1».

%2</translation>
    </message>
    <message>
        <location line="+14"/>
        <location line="+9"/>
        <source>Open Game Record</source>
        <translation>Abrir registro de partida</translation>
    </message>
    <message>
        <location line="-8"/>
        <source>The file &quot;%1&quot; could not be opened.

%2</source>
        <translation>No se pudo abrir el archivo «%1».

%2</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Line %1: %2</source>
        <translation>Línea %1: %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&quot;%1&quot; is not a game record that can be shown.

%2</source>
        <translation>«%1» no es un registro de partida que se pueda mostrar.

%2</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Play from Here</source>
        <translation>Jugar desde aquí</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>There is still a game in progress.  Do you want to abandon it?</source>
        <translation>Todavía hay una partida en curso. ¿Quieres abandonarla?</translation>
    </message>
</context>
<context>
    <name>tavolux::RefereeHost</name>
    <message>
        <location filename="../app/refereehost.cpp" line="+17"/>
        <source>The referee: whose turn it is and what happens</source>
        <extracomment>What a screen reader says the referee window is.</extracomment>
        <translation>El árbitro: a quién le toca y qué ocurre</translation>
    </message>
</context>
<context>
    <name>tavolux::RefereeWindow</name>
    <message>
        <location filename="../referee/refereewindow.cpp" line="+47"/>
        <source>   The Referee</source>
        <translation>   El árbitro</translation>
    </message>
</context>
<context>
    <name>tavolux::ResultsDialog</name>
    <message>
        <location filename="../dialogs/resultsdialog.cpp" line="+219"/>
        <source>Game Results</source>
        <translation>Resultados de la partida</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>First Place</source>
        <translation>Primer puesto</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Second Place</source>
        <translation>Segundo puesto</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Third Place</source>
        <translation>Tercer puesto</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Player #?:</source>
        <translation>Jugador ?:</translation>
    </message>
    <message>
        <location line="-40"/>
        <location line="+61"/>
        <source>Player #%1:</source>
        <translation>Jugador %1:</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Play Again</source>
        <translation>&amp;Jugar otra vez</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Starts a new game with the same players</source>
        <translation>Empieza una partida nueva con los mismos jugadores</translation>
    </message>
</context>
<context>
    <name>tavolux::RulesWindow</name>
    <message>
        <location filename="../dialogs/ruleswindow.cpp" line="+22"/>
        <source>Tavolux Help - Playing Rules</source>
        <translation>Ayuda de Tavolux – Reglas del juego</translation>
    </message>
</context>
<context>
    <name>tavolux::SafeFiles</name>
    <message>
        <location filename="../app/safefiles.cpp" line="+33"/>
        <source>There is no such file or folder.</source>
        <translation>No existe ese archivo o carpeta.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The file or its folder is not writable (no permission, or a read-only disk).</source>
        <translation>No se puede escribir en el archivo o en su carpeta (sin permiso, o el disco es de solo lectura).</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The file may not be read (no permission).</source>
        <translation>No se permite leer el archivo (sin permiso).</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>It is not a regular file.</source>
        <translation>No es un archivo normal.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>There is no space left on the disk.</source>
        <translation>No queda espacio en el disco.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The file would be larger than the program is allowed to write.</source>
        <translation>El archivo sería más grande de lo que el programa puede escribir.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The system reported: %1</source>
        <translation>El sistema informó: %1</translation>
    </message>
</context>
<context>
    <name>tavolux::Settings</name>
    <message>
        <location filename="../app/settings.cpp" line="+188"/>
        <source>The settings could not be saved in &quot;%1&quot;.

%2</source>
        <translation>No se pudo guardar la configuración en «%1».

%2</translation>
    </message>
</context>
<context>
    <name>tavolux::SetupCoverPage</name>
    <message>
        <location filename="../dialogs/setupcoverpage.cpp" line="+24"/>
        <source>Active Players</source>
        <translation>¿Quién juega?</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Player #%1</source>
        <translation>Jugador %1</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Table</source>
        <translation>Mesa</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Two or three players</source>
        <extracomment>The classic table: players 1 to 3 chosen one by one below.</extracomment>
        <translation>Dos o tres jugadores</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Two players across</source>
        <extracomment>Two players in the opposite points of the star.</extracomment>
        <translation>Dos jugadores enfrentados</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Four players</source>
        <extracomment>Four players in two pairs of opposite points.</extracomment>
        <translation>Cuatro jugadores</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Six players</source>
        <translation>Seis jugadores</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The star, each playing point in its player&apos;s colour</source>
        <translation>La estrella, cada punta que juega en el color de su jugador</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Animation Speed</source>
        <translation>Velocidad de animación</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Smooth (for fast PC)</source>
        <translation>Fluida (PC rápido)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Flickery (for slow PC)</source>
        <translation>A saltos (PC lento)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Sound</source>
        <translation>Sonido</translation>
    </message>
</context>
<context>
    <name>tavolux::SetupPlayerPage</name>
    <message>
        <location filename="../dialogs/setupplayerpage.cpp" line="+70"/>
        <source>Friendly</source>
        <translation>Amistoso</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Neutral</source>
        <translation>Neutral</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Hostile</source>
        <translation>Agresivo</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The name the game calls this player by</source>
        <translation>El nombre con el que el juego llama a este jugador</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Picture:</source>
        <translation>Imagen:</translation>
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
        <translation>Imagen anterior</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Next picture</source>
        <extracomment>A screen reader&apos;s name for the &quot;&gt;&gt;&quot; button.</extracomment>
        <translation>Imagen siguiente</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The computer&apos;s picture makes the player a computer, any other picture a person</source>
        <translation>La imagen del ordenador hace del jugador un ordenador; cualquier otra, una persona</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Automatic board re-position</source>
        <translation>Girar el tablero automáticamente</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Preferred view of home region:</source>
        <translation>Tu punta, preferiblemente:</translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+4"/>
        <location line="+118"/>
        <source>Style toward player #%1:</source>
        <translation>Actitud hacia el jugador %1:</translation>
    </message>
    <message>
        <location line="-112"/>
        <source>Strength:</source>
        <extracomment>Label of the list of how well a computer player plays (Beginner, Standard, Expert).</extracomment>
        <translation>Nivel:</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>How well the computer plays</source>
        <translation>Lo bien que juega el ordenador</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>How the computer treats that player: it spoils, leaves room or neither</source>
        <translation>Cómo trata el ordenador a ese jugador: le estorba, le deja sitio o ninguna de las dos cosas</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>Computer AI Algorithm</source>
        <translation>Estrategia del ordenador</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>Style toward the others:</source>
        <translation>Actitud hacia los demás:</translation>
    </message>
</context>
<context>
    <name>tavolux::SetupSheet</name>
    <message>
        <location filename="../dialogs/setupsheet.cpp" line="+20"/>
        <source>New Game</source>
        <translation>Nueva partida</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Game Setup</source>
        <translation>Preparar la partida</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Who takes part, the animation speed and the sound</source>
        <translation>Quién participa, la velocidad de animación y el sonido</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Player #%1</source>
        <translation>Jugador %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Name, picture, board turning and computer play of player #%1</source>
        <translation>Nombre, imagen, giro del tablero y juego del ordenador del jugador %1</translation>
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
        <translation>Damas chinas</translation>
    </message>
</context>
<context>
    <name>tavolux::StatisticsDialog</name>
    <message>
        <location filename="../dialogs/statisticsdialog.cpp" line="+92"/>
        <source>Person</source>
        <extracomment>A player played by a person at the mouse, not by the computer.</extracomment>
        <translation>Humano</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+2"/>
        <location line="+2"/>
        <source>Computer (%1)</source>
        <extracomment>A computer player; %1 is how well it plays (Beginner, Standard, Expert).</extracomment>
        <translation>Ordenador (%1)</translation>
    </message>
    <message>
        <location line="+8"/>
        <location line="+202"/>
        <source>Statistics</source>
        <extracomment>The title of the window with each player&apos;s figures over the games played.</extracomment>
        <translation>Estadísticas</translation>
    </message>
    <message>
        <location line="-195"/>
        <source>Games with &amp;Persons</source>
        <extracomment>Tab of the figures from games in which at least one person played.</extracomment>
        <translation>Partidas con &amp;humanos</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Games among Co&amp;mputers</source>
        <extracomment>Tab of the figures from games that computer players played among themselves.</extracomment>
        <translation>Partidas entre &amp;ordenadores</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Each player&apos;s results in these games</source>
        <translation>Los resultados de cada jugador en estas partidas</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>C&amp;lear</source>
        <extracomment>Button that empties every player&apos;s figures, after asking.</extracomment>
        <translation>&amp;Borrar</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Forgets every player&apos;s results, after asking</source>
        <translation>Olvida los resultados de todos los jugadores, tras preguntar</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Close</source>
        <extracomment>Button that closes the Statistics window.</extracomment>
        <translation>Cerrar</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>No games have been counted yet.</source>
        <extracomment>Shown instead of the table while no game has been counted.</extracomment>
        <translation>Todavía no se ha contado ninguna partida.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Player</source>
        <extracomment>Column heading: the player&apos;s name.</extracomment>
        <translation>Jugador</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Kind</source>
        <extracomment>Column heading: a person, or a computer and how well it plays.</extracomment>
        <translation>Tipo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Games</source>
        <extracomment>Column heading: the number of games played to the end.</extracomment>
        <translation>Partidas</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>1st</source>
        <extracomment>Column heading: the number of games the player finished first.</extracomment>
        <translation>1.º</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>2nd</source>
        <extracomment>Column heading: the number of games the player finished second.</extracomment>
        <translation>2.º</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>3rd</source>
        <extracomment>Column heading: the number of games the player finished third.</extracomment>
        <translation>3.º</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>4th</source>
        <extracomment>Column heading: the number of games the player finished fourth.</extracomment>
        <translation>4.º</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>5th</source>
        <extracomment>Column heading: the number of games the player finished fifth.</extracomment>
        <translation>5.º</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>6th</source>
        <extracomment>Column heading: the number of games the player finished sixth.</extracomment>
        <translation>6.º</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Abandoned</source>
        <extracomment>Column heading: the number of games given up before their end.</extracomment>
        <translation>Abandonadas</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Average moves</source>
        <extracomment>Column heading: the average number of moves it took to bring all ten pieces home.</extracomment>
        <translation>Jugadas de media</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Best</source>
        <extracomment>Column heading: the fewest moves it took to bring all ten pieces home.</extracomment>
        <translation>Mejor</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Games played to the end</source>
        <translation>Partidas jugadas hasta el final</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Games finished in first place</source>
        <translation>Partidas terminadas en primer lugar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Games finished in second place</source>
        <translation>Partidas terminadas en segundo lugar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Games finished in third place</source>
        <translation>Partidas terminadas en tercer lugar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Games finished in fourth place</source>
        <translation>Partidas terminadas en cuarto lugar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Games finished in fifth place</source>
        <translation>Partidas terminadas en quinto lugar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Games finished in sixth place</source>
        <translation>Partidas terminadas en sexto lugar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Games given up before their end: a new game or a saved one taken instead, or the program closed</source>
        <translation>Partidas abandonadas antes del final: se empezó otra nueva o una guardada en su lugar, o se cerró el programa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The average number of moves it took to bring all ten pieces home</source>
        <translation>El número medio de jugadas que hicieron falta para llevar las diez fichas a la meta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The fewest moves it took to bring all ten pieces home</source>
        <translation>El menor número de jugadas con que se llevaron las diez fichas a la meta</translation>
    </message>
    <message>
        <location line="+99"/>
        <source>Do you want to clear the statistics of every player?  This cannot be undone.</source>
        <translation>¿Quieres borrar las estadísticas de todos los jugadores? No se puede deshacer.</translation>
    </message>
</context>
<context>
    <name>tavolux::StatisticsFile</name>
    <message>
        <location filename="../app/statisticsfile.cpp" line="+66"/>
        <source>The folder &quot;%1&quot; could not be made.</source>
        <translation>No se pudo crear la carpeta «%1».</translation>
    </message>
</context>
<context>
    <name>tavolux::StatisticsKeeper</name>
    <message>
        <location filename="../app/statisticskeeper.cpp" line="+68"/>
        <source>Another copy of Tavolux kept the statistics file busy.</source>
        <translation>Otra copia de Tavolux mantenía ocupado el archivo de estadísticas.</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Statistics</source>
        <translation>Estadísticas</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>The statistics file &quot;%1&quot; is damaged and could not be moved aside, so nothing is saved over it. Clear the statistics to start a new file.</source>
        <translation>El archivo de estadísticas «%1» está dañado y no se pudo apartar, así que no se guarda nada encima. Borra las estadísticas para empezar un archivo nuevo.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The statistics file was damaged. It has been kept as &quot;%1&quot;, and the statistics started afresh.</source>
        <translation>El archivo de estadísticas estaba dañado. Se ha conservado como «%1» y las estadísticas empiezan de nuevo.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The statistics could not be saved in &quot;%1&quot;.
%2</source>
        <translation>No se pudieron guardar las estadísticas en «%1».
%2</translation>
    </message>
</context>
<context>
    <name>tavolux::TurnLine</name>
    <message>
        <location filename="../app/turnline.cpp" line="+17"/>
        <source>Whose turn it is and the number of the move</source>
        <translation>A quién le toca y el número de la jugada</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Move %1 · %2, %3, thinking</source>
        <extracomment>In the status bar while a computer is to move: the move&apos;s number, the name and the strength.</extracomment>
        <translation>Jugada %1 · %2, %3, pensando</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Move %1 · Your move, %2</source>
        <extracomment>In the status bar while a person is to move: the move&apos;s number and the name.</extracomment>
        <translation>Jugada %1 · Te toca, %2</translation>
    </message>
</context>
</TS>
