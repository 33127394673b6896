<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>GameTexts</name>
    <message>
        <location filename="../lang/gametexts.cpp" line="+13"/>
        <source>Human</source>
        <extracomment>The first player&apos;s name until it is changed: a person.</extracomment>
        <translation>人类</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Silicon</source>
        <extracomment>The second player&apos;s name until it is changed: a computer.</extracomment>
        <translation>硅基</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Positron</source>
        <extracomment>The third player&apos;s name until it is changed: a computer.</extracomment>
        <translation>正电子</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Photon</source>
        <extracomment>The fourth player&apos;s name until it is changed: a computer.</extracomment>
        <translation>光子</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Quark</source>
        <extracomment>The fifth player&apos;s name until it is changed: a computer.</extracomment>
        <translation>夸克</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Neutrino</source>
        <extracomment>The sixth player&apos;s name until it is changed: a computer.</extracomment>
        <translation>中微子</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>1st</source>
        <extracomment>A finishing place, noted under the player&apos;s name in the side panel.</extracomment>
        <translation>第1名</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>2nd</source>
        <extracomment>A finishing place, noted under the player&apos;s name in the side panel.</extracomment>
        <translation>第2名</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>3rd</source>
        <extracomment>A finishing place, noted under the player&apos;s name in the side panel.</extracomment>
        <translation>第3名</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>4th</source>
        <extracomment>A finishing place, noted under the player&apos;s name in the side panel.</extracomment>
        <translation>第4名</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>5th</source>
        <extracomment>A finishing place, noted under the player&apos;s name in the side panel.</extracomment>
        <translation>第5名</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>6th</source>
        <extracomment>A finishing place, noted under the player&apos;s name in the side panel.</extracomment>
        <translation>第6名</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>WELCOME</source>
        <extracomment>The referee&apos;s first words, line 1 of 3.</extracomment>
        <translation>欢迎</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+37"/>
        <source>Please select new</source>
        <extracomment>The referee&apos;s first words, line 2 of 3.</extracomment>
        <translation>请在菜单栏中</translation>
    </message>
    <message>
        <location line="-35"/>
        <location line="+35"/>
        <source>game in menu bar.</source>
        <extracomment>The referee&apos;s first words, line 3 of 3.</extracomment>
        <translation>选择新游戏。</translation>
    </message>
    <message>
        <location line="-29"/>
        <source>Move mouse to one</source>
        <extracomment>A person is to move: referee line 2 of 3 (after the name).</extracomment>
        <translation>请把鼠标移到</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>of your pieces.</source>
        <extracomment>A person is to move: referee line 3 of 3.</extracomment>
        <translation>你的棋子上。</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Board re-position</source>
        <extracomment>The board turns before a player&apos;s turn: referee line 2 of 3.</extracomment>
        <translation>棋盘正在</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>is in progress...</source>
        <extracomment>The board turns before a player&apos;s turn: referee line 3 of 3.</extracomment>
        <translation>转动中……</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Computer AI is</source>
        <extracomment>A computer player searches its move: referee line 2 of 3.</extracomment>
        <translation>电脑正在</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>thinking......</source>
        <extracomment>A computer player searches its move: referee line 3 of 3.</extracomment>
        <translation>思考中……</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>GAME OVER</source>
        <extracomment>The game has ended: referee line 1 of 3.</extracomment>
        <translation>游戏结束</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Yep! That&apos;s yours.</source>
        <extracomment>The pointer is over one of the player&apos;s pieces: referee line 2 of 3.</extracomment>
        <translation>没错！这是你的。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Click &amp; drag it.</source>
        <extracomment>The pointer is over one of the player&apos;s pieces: referee line 3 of 3.</extracomment>
        <translation>按住它拖过去吧。</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>That&apos;s not yours!</source>
        <extracomment>The pointer is over another player&apos;s piece: referee line 2 of 3.</extracomment>
        <translation>这不是你的！</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Try a different color.</source>
        <extracomment>The pointer is over another player&apos;s piece: referee line 3 of 3.</extracomment>
        <translation>换个颜色试试。</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Now, drag it to a spot</source>
        <extracomment>A piece is in the hand: referee line 2 of 4.</extracomment>
        <translation>现在把它拖到空位，</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>using one move or one</source>
        <extracomment>A piece is in the hand: referee line 3 of 4.</extracomment>
        <translation>走一步或跳一次，</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>or more jumps.</source>
        <extracomment>A piece is in the hand: referee line 4 of 4.</extracomment>
        <translation>也可以连跳。</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Tavolux</source>
        <translation>Tavolux</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>New Game</source>
        <translation>新游戏</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>There is still a game in progress.  Do you want to abandon it?</source>
        <translation>还有一局游戏正在进行。要放弃它吗？</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Player #%1, &quot;%2&quot;,
has moved all the pieces to destination!!!
</source>
        <extracomment>%1 is the player&apos;s number 1 to 6, %2 the player&apos;s name.</extracomment>
        <translation>玩家 %1“%2”
已把所有棋子走到终点！！！
</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>
But there are still 2 players left.
Do you want to continue the game?</source>
        <translation>
但还剩 2 位玩家。
要继续游戏吗？</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>
But there are still %1 players left.
Do you want to continue the game?</source>
        <extracomment>At a table of four or six: %1 is the number of players still in play, 3 to 5.</extracomment>
        <translation>
但还剩 %1 位玩家。
要继续游戏吗？</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Computer AI</source>
        <translation>电脑</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>No valid move was found!</source>
        <translation>找不到可走的棋！</translation>
    </message>
</context>
<context>
    <name>PlayerChoices</name>
    <message>
        <location filename="../dialogs/playerchoices.cpp" line="+20"/>
        <source>Computer</source>
        <extracomment>The picture of a player the computer plays.</extracomment>
        <translation>电脑</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Guy</source>
        <extracomment>A player&apos;s picture: a grown man.</extracomment>
        <translation>男士</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Lady</source>
        <extracomment>A player&apos;s picture: a grown woman.</extracomment>
        <translation>女士</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Boy</source>
        <translation>男孩</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Girl</source>
        <translation>女孩</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Baby</source>
        <translation>宝宝</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Bear</source>
        <extracomment>A player&apos;s picture: a teddy bear.</extracomment>
        <translation>小熊</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Bottom</source>
        <extracomment>The board turned so that the player&apos;s home point lies at the bottom.</extracomment>
        <translation>下</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Top</source>
        <translation>上</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lower-Left</source>
        <translation>左下</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lower-Right</source>
        <translation>右下</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Upper-Left</source>
        <translation>左上</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Upper-Right</source>
        <translation>右上</translation>
    </message>
    <message>
        <location filename="../view/windowpainter.cpp" line="+113"/>
        <location filename="../dialogs/playerchoices.cpp" line="+7"/>
        <source>Beginner</source>
        <extracomment>How well a computer player plays: the weakest of three levels.</extracomment>
        <translation>初级</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../dialogs/playerchoices.cpp" line="+2"/>
        <source>Standard</source>
        <extracomment>How well a computer player plays: the middle of three levels, the usual one.</extracomment>
        <translation>标准</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../dialogs/playerchoices.cpp" line="+2"/>
        <source>Expert</source>
        <extracomment>How well a computer player plays: the strongest of three levels.</extracomment>
        <translation>专家</translation>
    </message>
</context>
<context>
    <name>Prompt</name>
    <message>
        <location filename="../app/prompttable.cpp" line="+17"/>
        <source>Play a new game of Chinese Checkers.</source>
        <translation>开始一局新的跳棋游戏。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open a previously saved game.</source>
        <translation>打开以前保存的游戏。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save the currently unfinished game.</source>
        <translation>保存当前未完成的游戏。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Change playing options in the middle of a game.</source>
        <translation>在游戏中途更改选项。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Exit Tavolux.</source>
        <translation>退出 Tavolux。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Undo last move.</source>
        <translation>悔一步棋。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Redo the previously undone move.</source>
        <translation>重做刚才悔掉的一步棋。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show all valid moves of a playing piece.</source>
        <translation>显示一枚棋子所有可走的位置。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Suggest a move for the player to move.</source>
        <translation>为当前走棋的玩家推荐一步棋。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Toggle referee window on/off.</source>
        <translation>显示或隐藏裁判窗口。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show or hide the moves made since your last move.</source>
        <translation>显示或隐藏自你上一步以来的走法。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Restore all windows to their default settings.</source>
        <translation>将所有窗口恢复为默认设置。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show or hide the list of the moves made in this game.</source>
        <translation>显示或隐藏本局的走棋列表。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save every move of this game as a game record.</source>
        <translation>将本局的每一步保存为棋谱。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open a game record and step through its moves.</source>
        <translation>打开棋谱并逐步查看其中的走法。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show how each player has fared over the games.</source>
        <translation>显示每位玩家历次对局的战绩。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Mark the holes a lifted piece may reach, or stop marking them.</source>
        <translation>标出拿起的棋子可以到达的位置，或取消标记。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show or hide each player&apos;s symbol on the pieces.</source>
        <translation>显示或隐藏每位玩家棋子上的符号。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Display help documentation on Chinese Checkers playing rules.</source>
        <translation>显示跳棋规则的帮助文档。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Display Tavolux&apos;s information and copyright.</source>
        <translation>显示 Tavolux 的信息和版权。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show all valid moves.</source>
        <translation>显示所有可走的位置。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Computer AI is thinking...</source>
        <translation>电脑正在思考……</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Board re-position is in progress...</source>
        <translation>棋盘正在转动……</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ready.</source>
        <translation>就绪。</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Drop the piece on a hole of the board.</source>
        <translation>请把棋子放到棋盘的空位上。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>That hole is taken.</source>
        <translation>那个位置已经有棋子了。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A piece may pass through another player&apos;s point, but not stop there.</source>
        <translation>棋子可以经过其他玩家的角，但不能停在那里。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The piece cannot reach that hole in one move.</source>
        <translation>这枚棋子无法一步走到那个位置。</translation>
    </message>
</context>
<context>
    <name>tavolux::AboutBox</name>
    <message>
        <location filename="../dialogs/aboutbox.cpp" line="+73"/>
        <source>About Tavolux</source>
        <translation>关于 Tavolux</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Tavolux (64-bit)
Version 1.32</source>
        <translation>Tavolux（64 位）
版本 1.32</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tavolux (32-bit)
Version 1.32</source>
        <translation>Tavolux（32 位）
版本 1.32</translation>
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
        <translation>随程序提供的文本</translation>
    </message>
</context>
<context>
    <name>tavolux::AccessibleTexts</name>
    <message>
        <location filename="../dialogs/accessibletexts.cpp" line="+21"/>
        <source>Takes the choices and closes the window</source>
        <translation>采用所选内容并关闭窗口</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Closes the window and changes nothing</source>
        <translation>关闭窗口，不做任何更改</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>A beep after every move of a computer</source>
        <translation>电脑每走一步后响一声</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Turns the board to the player&apos;s preferred view at each of its turns</source>
        <translation>每轮到该玩家时把棋盘转到其首选方位</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The side of the screen the player&apos;s home point is turned to</source>
        <translation>本方阵地转向的屏幕方位</translation>
    </message>
</context>
<context>
    <name>tavolux::BoardVoice</name>
    <message>
        <location filename="../app/boardvoice.cpp" line="+41"/>
        <source>The last move made</source>
        <translation>最近走的一步</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Board</source>
        <extracomment>The board&apos;s name for a screen reader while the keys&apos; ring is hidden.</extracomment>
        <translation>棋盘</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The board. The arrow keys move a ring from hole to hole; Space or Enter picks up a piece and puts it down; Escape puts it back.</source>
        <translation>棋盘。方向键把光圈从一个孔移到另一个孔；空格键或回车键拿起和放下棋子；Esc 键把棋子放回原处。</translation>
    </message>
    <message>
        <location line="+64"/>
        <source>%1, %2&apos;s piece</source>
        <extracomment>What a screen reader says of the hole under the keys&apos; ring: its name and whose piece is there.</extracomment>
        <translation>%1，%2的棋子</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1, empty</source>
        <extracomment>What a screen reader says of the hole under the keys&apos; ring when no piece is there.</extracomment>
        <translation>%1，空</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>%1: %2</source>
        <extracomment>What a screen reader says of a move: the mover&apos;s name and the move (&quot;Silicon: m4-k4-i4&quot;).</extracomment>
        <translation>%1：%2</translation>
    </message>
</context>
<context>
    <name>tavolux::DialogFileChooser</name>
    <message>
        <location filename="../app/gamefiles.cpp" line="+46"/>
        <source>Save Game Record</source>
        <translation>保存棋谱</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Open Game Record</source>
        <translation>打开棋谱</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save Game</source>
        <translation>保存游戏</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Load Game</source>
        <translation>载入游戏</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Tavolux Files (*.tvx)</source>
        <translation>Tavolux 存档 (*.tvx)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Tavolux Game Records (*.tvr)</source>
        <translation>Tavolux 棋谱 (*.tvr)</translation>
    </message>
</context>
<context>
    <name>tavolux::GameApp</name>
    <message>
        <location filename="../app/gameapp.cpp" line="+41"/>
        <source>Chinese checkers</source>
        <translation>中国跳棋</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>A saved game to open.</source>
        <translation>要打开的存档。</translation>
    </message>
</context>
<context>
    <name>tavolux::GameFiles</name>
    <message>
        <location filename="../app/gamefiles.cpp" line="+18"/>
        <location line="+19"/>
        <location line="+13"/>
        <source>Save Game</source>
        <translation>保存游戏</translation>
    </message>
    <message>
        <location line="-32"/>
        <source>There is no unfinished game to save!</source>
        <translation>没有未完成的游戏可以保存！</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 已存在。
要替换它吗？</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>The game could not be saved as &quot;%1&quot;.

%2</source>
        <translation>无法将游戏保存为“%1”。

%2</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+13"/>
        <location line="+8"/>
        <source>Load Game</source>
        <translation>载入游戏</translation>
    </message>
    <message>
        <location line="-20"/>
        <source>There is still a game in progress.  Do you want to abandon it?</source>
        <translation>还有一局游戏正在进行。要放弃它吗？</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>The file &quot;%1&quot; could not be opened.

%2</source>
        <translation>无法打开文件“%1”。

%2</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>That is not a Tavolux file!</source>
        <translation>这不是 Tavolux 文件！</translation>
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
        <translation>顺时针旋转</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rotate counter-clockwise</source>
        <translation>逆时针旋转</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Turns the board one step; the game goes on as it was</source>
        <translation>把棋盘转动一格；对局照常进行</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>What the game is doing</source>
        <extracomment>The accessible description of the status bar&apos;s prompt line.</extracomment>
        <translation>游戏正在做什么</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>Reviewing an earlier position: Escape returns to the game.</source>
        <extracomment>In the status line while the board shows an earlier position.</extracomment>
        <translation>正在查看之前的局面：按 Esc 返回对局。</translation>
    </message>
    <message>
        <location line="+191"/>
        <source>Exit Game</source>
        <translation>退出游戏</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Do you really want to exit the game?</source>
        <translation>真的要退出游戏吗？</translation>
    </message>
    <message>
        <location filename="../app/boardcommands.cpp" line="+25"/>
        <location line="+22"/>
        <source>Show Valid Moves</source>
        <translation>显示可走位置</translation>
    </message>
    <message>
        <location line="-21"/>
        <source>Click right mouse button on the piece
that you wish to show all valid moves.</source>
        <translation>在棋子上单击鼠标右键，
即可显示它所有可走的位置。</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>Hint</source>
        <translation>提示</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 has no valid move.</source>
        <translation>%1 没有可走的棋。</translation>
    </message>
    <message>
        <location filename="../app/commandtable.cpp" line="+25"/>
        <source>&amp;New Game</source>
        <translation>新游戏(&amp;N)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Load Game</source>
        <translation>载入游戏(&amp;L)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Save Game</source>
        <translation>保存游戏(&amp;S)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Change Options</source>
        <translation>更改选项(&amp;C)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Undo</source>
        <translation>悔棋(&amp;U)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Redo</source>
        <translation>重做(&amp;R)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Show Valid Moves</source>
        <translation>显示可走位置(&amp;S)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Hint</source>
        <translation>提示(&amp;H)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Referee</source>
        <translation>裁判(&amp;R)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show &amp;Last Moves</source>
        <translation>显示最近走法(&amp;L)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Default Settings</source>
        <translation>默认设置(&amp;D)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Playing Rules</source>
        <translation>游戏规则(&amp;P)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;About Tavolux</source>
        <translation>关于 Tavolux(&amp;A)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Move List</source>
        <translation>走棋列表(&amp;M)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save Game &amp;Record...</source>
        <translation>保存棋谱(&amp;R)...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Open Game Record...</source>
        <translation>打开棋谱(&amp;O)...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>S&amp;tatistics...</source>
        <translation>统计(&amp;T)...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show Des&amp;tinations</source>
        <translation>显示目标位置(&amp;T)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Piece Symbols</source>
        <translation>棋子符号(&amp;P)</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>&amp;Game</source>
        <translation>游戏(&amp;G)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Move</source>
        <translation>走棋(&amp;M)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;View</source>
        <translation>查看(&amp;V)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
</context>
<context>
    <name>tavolux::MoveListWindow</name>
    <message>
        <location filename="../app/movelistwindow.cpp" line="+44"/>
        <location line="+9"/>
        <source>Move List</source>
        <translation>走棋列表</translation>
    </message>
    <message>
        <location line="-5"/>
        <source>Back to the game</source>
        <translation>返回对局</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Play from here</source>
        <extracomment>Starts a game from the position of the game record shown.</extracomment>
        <translation>从这里开始下</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Every move of the game; choosing one shows the board after it</source>
        <translation>本局的每一步；选中一步即显示走完这一步后的棋盘</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Shows the game&apos;s own position again</source>
        <translation>重新显示对局当前的局面</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Plays on from the position shown</source>
        <translation>从显示的局面继续下</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Start</source>
        <extracomment>The first row of the move list: the position before any move.</extracomment>
        <translation>开局</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Choosing it shows the position before the first move</source>
        <translation>选中即显示第一步之前的局面</translation>
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
        <translation>选中即显示走完这一步后的棋盘</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Game record: the board after move %1.</source>
        <extracomment>Below the move list while the board shows an earlier position.</extracomment>
        <translation>棋谱：第 %1 步之后的棋盘。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reviewing: the board after move %1.</source>
        <translation>回顾：第 %1 步之后的棋盘。</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>%1 (taken back: Redo plays it again)</source>
        <extracomment>The tooltip of a move taken back by Undo: the mover&apos;s name, then this.</extracomment>
        <translation>%1（已撤销：重做可再次走这一步）</translation>
    </message>
</context>
<context>
    <name>tavolux::OptionsDialog</name>
    <message>
        <location filename="../dialogs/optionsdialog.cpp" line="+70"/>
        <source>Change Options</source>
        <translation>更改选项</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Sound</source>
        <translation>声音</translation>
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
        <translation>上一个背景图案</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Next wallpaper</source>
        <translation>下一个背景图案</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Changes the window&apos;s background at once</source>
        <translation>立即更换窗口背景</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>[Background Wallpaper]</source>
        <translation>[背景图案]</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>Animation Speed</source>
        <translation>动画速度</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Smooth (for fast PC)</source>
        <translation>流畅（适合快速电脑）</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Flickery (for slow PC)</source>
        <translation>跳动（适合慢速电脑）</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Player #%1</source>
        <translation>玩家 %1</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Automatic board re-position</source>
        <translation>自动转动棋盘</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Preferred view of home region:</source>
        <translation>本方阵地的首选方位：</translation>
    </message>
</context>
<context>
    <name>tavolux::RecordFaultTexts</name>
    <message>
        <location filename="../app/recordfaulttexts.cpp" line="+12"/>
        <source>cannot open the file</source>
        <translation>无法打开该文件</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cannot read the file</source>
        <translation>无法读取该文件</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the file is larger than 4 MiB, more than any game record</source>
        <translation>文件大于 4 MiB，超过任何棋谱的大小</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+116"/>
        <source>not a Tavolux game record</source>
        <translation>不是 Tavolux 棋谱</translation>
    </message>
    <message>
        <location line="-114"/>
        <source>the line is longer than 4096 bytes</source>
        <translation>该行超过 4096 字节</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the line is not UTF-8 text</source>
        <translation>该行不是 UTF-8 文本</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the record&apos;s version is not a number: &apos;%1&apos;</source>
        <translation>棋谱的版本不是数字：“%1”</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>record version %1 is not known here (this program reads version %2)</source>
        <translation>无法识别棋谱版本 %1（本程序读取版本 %2）</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>expected a field such as &apos;Start: opening&apos;</source>
        <translation>此处应为字段，例如“Start: opening”</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>unknown field &apos;%1&apos;</source>
        <translation>未知字段“%1”</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 is given twice (first on line %2)</source>
        <translation>%1 出现了两次（第一次在第 %2 行）</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the record ends before its Moves line</source>
        <translation>棋谱在 Moves 行之前就结束了</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the %1 field is missing</source>
        <translation>缺少字段 %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the date is not of the form YYYY-MM-DD HH:MM</source>
        <translation>日期不是 YYYY-MM-DD HH:MM 格式</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the program is not named</source>
        <translation>没有写明程序</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>a name is 1 to 63 bytes without control characters</source>
        <translation>名字应为 1 到 63 字节，且不含控制字符</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>expected &apos;-&apos;, &apos;NAME | person&apos; or &apos;NAME | computer | STRENGTH | STYLE, STYLE&apos;</source>
        <translation>此处应为“-”、“NAME | person”或“NAME | computer | STRENGTH | STYLE, STYLE”</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the strength is one of Beginner, Standard, Expert</source>
        <translation>棋力应为 Beginner、Standard 或 Expert 之一</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the styles are two of Friendly, Neutral, Hostile, such as &apos;Hostile, Friendly&apos;</source>
        <translation>策略应为 Friendly、Neutral、Hostile 中的两个，例如“Hostile, Friendly”</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>fewer than two players take part</source>
        <translation>参加的玩家少于两位</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ToMove names no player taking part</source>
        <translation>ToMove 没有指明参加的玩家</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ToMove names a player who has finished</source>
        <translation>ToMove 指明的玩家已经走完</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Moves takes the number of moves</source>
        <translation>Moves 应为走法的步数</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Start is &apos;opening&apos; or &apos;position&apos;</source>
        <translation>Start 应为“opening”或“position”</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 belongs to a record starting from a position, for a player taking part</source>
        <translation>%1 只用于从某个局面开始的棋谱，且只针对参加的玩家</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Finished belongs to a record starting from a position</source>
        <translation>Finished 只用于从某个局面开始的棋谱</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>a player has ten pieces</source>
        <translation>每位玩家有十枚棋子</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&apos;%1&apos; is not a hole</source>
        <translation>“%1”不是棋盘上的位置</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>two pieces on %1</source>
        <translation>%1 上有两枚棋子</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Finished takes &apos;none&apos; or the players who have finished</source>
        <translation>Finished 应为“none”或已经走完的玩家</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Finished takes &apos;none&apos; or players taking part, each once</source>
        <translation>Finished 应为“none”或参加的玩家，每位只写一次</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>P%1 is home but not among the finished</source>
        <translation>P%1 已到达终点，却不在已走完的玩家之中</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>P%1 has finished but is not home</source>
        <translation>P%1 已走完，却没有到达终点</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Table names the players taking part and Rule how they finish (&apos;full target&apos; or &apos;all home&apos;)</source>
        <translation>Table 应为参加的玩家，Rule 应为他们走完的方式（“full target”或“all home”）</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>fewer than two players are left to play</source>
        <translation>还在下的玩家少于两位</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Result takes &apos;unfinished&apos; or the players taking part in their finishing order</source>
        <translation>Result 应为“unfinished”或参加的玩家按走完先后的顺序</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>more moves than the %1 of the Moves line</source>
        <translation>走法比 Moves 行写的 %1 步多</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the record ends after %1 of its %2 moves</source>
        <translation>棋谱在 %2 步中的第 %1 步之后就结束了</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>expected a move such as &apos;%1. P1 n2-m6&apos;</source>
        <translation>此处应为走法，例如“%1. P1 n2-m6”</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>move %1 where move %2 was expected</source>
        <translation>应为第 %2 步，却是第 %1 步</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the mover is P1 to P6, not &apos;%1&apos;</source>
        <translation>走棋的应为 P1 至 P6，而不是“%1”</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&apos;%1&apos; is not a move in hole names, such as n2-m6</source>
        <translation>“%1”不是用位置名称写的走法，例如 n2-m6</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>a move ends with &apos;(person)&apos; or &apos;(computer)&apos; only when its seat is the other&apos;s</source>
        <translation>只有当座位属于另一方时，走法才以“(person)”或“(computer)”结尾</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the game is over with the finishing order %1, not %2</source>
        <translation>对局结束时的名次是 %1，而不是 %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the result is %1 but the game is not over</source>
        <translation>结果写的是 %1，但对局并未结束</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>a game stopped after its first finisher ends %1, not %2</source>
        <translation>在第一位玩家走完后停止的对局，名次是 %1，而不是 %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the game is over; no move may follow</source>
        <translation>对局已经结束，不能再走棋</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>P%1 does not take part</source>
        <translation>P%1 没有参加</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>P%1 has finished and moves no more</source>
        <translation>P%1 已经走完，不再走棋</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>P%1 moves out of turn: P%2 is to move</source>
        <translation>P%1 没有轮到却走了棋：该 P%2 走</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>P%1 has no piece on %2</source>
        <translation>P%1 在 %2 上没有棋子</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the piece on %1 is not piece %2</source>
        <translation>%1 上的棋子不是第 %2 枚棋子</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the move has no landing</source>
        <translation>该走法没有落点</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>a landing is not a hole</source>
        <translation>有落点不是棋盘上的位置</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 is taken</source>
        <translation>%1 已被占用</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1-%2 is neither a step nor a jump</source>
        <translation>%1-%2 既不是挪一步也不是跳</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>no piece to jump over between %1 and %2</source>
        <translation>%1 和 %2 之间没有可跳过的棋子</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the chain comes back to %1</source>
        <translation>连跳回到了 %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 is taken or landed on before</source>
        <translation>%1 已被占用或之前已经落过</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>P%1 may not stop on %2, in another player&apos;s zone</source>
        <translation>P%1 不能停在 %2，那里是其他玩家的区域</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 is not among the destinations of the piece on %2</source>
        <translation>%1 不在 %2 上棋子可走到的位置之中</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>unfinished</source>
        <comment>a game record&apos;s result</comment>
        <translation>未结束</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Move %1: %2</source>
        <extracomment>Why a game record was refused: %1 is the move&apos;s number, %2 what is wrong with it.</extracomment>
        <translation>第 %1 步：%2</translation>
    </message>
</context>
<context>
    <name>tavolux::RecordFiles</name>
    <message>
        <location filename="../app/recordfiles.cpp" line="+37"/>
        <location line="+12"/>
        <source>Save Game Record</source>
        <translation>保存棋谱</translation>
    </message>
    <message>
        <location line="-12"/>
        <source>There is no game to record.</source>
        <translation>没有可以记录的对局。</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>The game record could not be saved as &quot;%1&quot;.

%2</source>
        <translation>无法将棋谱保存为“%1”。

%2</translation>
    </message>
    <message>
        <location line="+14"/>
        <location line="+9"/>
        <source>Open Game Record</source>
        <translation>打开棋谱</translation>
    </message>
    <message>
        <location line="-8"/>
        <source>The file &quot;%1&quot; could not be opened.

%2</source>
        <translation>无法打开文件“%1”。

%2</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Line %1: %2</source>
        <translation>第 %1 行：%2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&quot;%1&quot; is not a game record that can be shown.

%2</source>
        <translation>“%1”不是可以显示的棋谱。

%2</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Play from Here</source>
        <translation>从这里开始下</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>There is still a game in progress.  Do you want to abandon it?</source>
        <translation>还有一局游戏正在进行。要放弃它吗？</translation>
    </message>
</context>
<context>
    <name>tavolux::RefereeHost</name>
    <message>
        <location filename="../app/refereehost.cpp" line="+17"/>
        <source>The referee: whose turn it is and what happens</source>
        <extracomment>What a screen reader says the referee window is.</extracomment>
        <translation>裁判：轮到谁走，发生了什么</translation>
    </message>
</context>
<context>
    <name>tavolux::RefereeWindow</name>
    <message>
        <location filename="../referee/refereewindow.cpp" line="+47"/>
        <source>   The Referee</source>
        <translation>   裁判</translation>
    </message>
</context>
<context>
    <name>tavolux::ResultsDialog</name>
    <message>
        <location filename="../dialogs/resultsdialog.cpp" line="+219"/>
        <source>Game Results</source>
        <translation>游戏结果</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>First Place</source>
        <translation>第一名</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Second Place</source>
        <translation>第二名</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Third Place</source>
        <translation>第三名</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Player #?:</source>
        <translation>玩家 ?：</translation>
    </message>
    <message>
        <location line="-40"/>
        <location line="+61"/>
        <source>Player #%1:</source>
        <translation>玩家 %1：</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Play Again</source>
        <translation>再来一局(&amp;P)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Starts a new game with the same players</source>
        <translation>用同样的玩家开始新的一局</translation>
    </message>
</context>
<context>
    <name>tavolux::RulesWindow</name>
    <message>
        <location filename="../dialogs/ruleswindow.cpp" line="+22"/>
        <source>Tavolux Help - Playing Rules</source>
        <translation>Tavolux 帮助 - 游戏规则</translation>
    </message>
</context>
<context>
    <name>tavolux::SafeFiles</name>
    <message>
        <location filename="../app/safefiles.cpp" line="+33"/>
        <source>There is no such file or folder.</source>
        <translation>没有这个文件或文件夹。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The file or its folder is not writable (no permission, or a read-only disk).</source>
        <translation>文件或其所在文件夹不可写（没有权限，或磁盘为只读）。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The file may not be read (no permission).</source>
        <translation>不允许读取该文件（没有权限）。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>It is not a regular file.</source>
        <translation>它不是普通文件。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>There is no space left on the disk.</source>
        <translation>磁盘已没有剩余空间。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The file would be larger than the program is allowed to write.</source>
        <translation>文件将超过程序允许写入的大小。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The system reported: %1</source>
        <translation>系统报告：%1</translation>
    </message>
</context>
<context>
    <name>tavolux::Settings</name>
    <message>
        <location filename="../app/settings.cpp" line="+188"/>
        <source>The settings could not be saved in &quot;%1&quot;.

%2</source>
        <translation>无法将设置保存到“%1”。

%2</translation>
    </message>
</context>
<context>
    <name>tavolux::SetupCoverPage</name>
    <message>
        <location filename="../dialogs/setupcoverpage.cpp" line="+24"/>
        <source>Active Players</source>
        <translation>参加的玩家</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Player #%1</source>
        <translation>玩家 %1</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Table</source>
        <translation>棋盘</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Two or three players</source>
        <extracomment>The classic table: players 1 to 3 chosen one by one below.</extracomment>
        <translation>两人或三人</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Two players across</source>
        <extracomment>Two players in the opposite points of the star.</extracomment>
        <translation>两人对面</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Four players</source>
        <extracomment>Four players in two pairs of opposite points.</extracomment>
        <translation>四人</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Six players</source>
        <translation>六人</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The star, each playing point in its player&apos;s colour</source>
        <translation>星形棋盘，参加的每个角显示其玩家的颜色</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Animation Speed</source>
        <translation>动画速度</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Smooth (for fast PC)</source>
        <translation>流畅（适合快速电脑）</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Flickery (for slow PC)</source>
        <translation>跳动（适合慢速电脑）</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Sound</source>
        <translation>声音</translation>
    </message>
</context>
<context>
    <name>tavolux::SetupPlayerPage</name>
    <message>
        <location filename="../dialogs/setupplayerpage.cpp" line="+70"/>
        <source>Friendly</source>
        <translation>友好</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Neutral</source>
        <translation>中立</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Hostile</source>
        <translation>敌对</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Name:</source>
        <translation>名字：</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The name the game calls this player by</source>
        <translation>游戏对这位玩家的称呼</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Picture:</source>
        <translation>头像：</translation>
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
        <translation>上一个头像</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Next picture</source>
        <extracomment>A screen reader&apos;s name for the &quot;&gt;&gt;&quot; button.</extracomment>
        <translation>下一个头像</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The computer&apos;s picture makes the player a computer, any other picture a person</source>
        <translation>选电脑头像则由电脑下，选其他头像则由人下</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Automatic board re-position</source>
        <translation>自动转动棋盘</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Preferred view of home region:</source>
        <translation>本方阵地的首选方位：</translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+4"/>
        <location line="+118"/>
        <source>Style toward player #%1:</source>
        <translation>对玩家 %1 的态度：</translation>
    </message>
    <message>
        <location line="-112"/>
        <source>Strength:</source>
        <extracomment>Label of the list of how well a computer player plays (Beginner, Standard, Expert).</extracomment>
        <translation>棋力：</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>How well the computer plays</source>
        <translation>电脑的棋力</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>How the computer treats that player: it spoils, leaves room or neither</source>
        <translation>电脑如何对待该玩家：阻挠、让路或两者都不</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>Computer AI Algorithm</source>
        <translation>电脑 AI 策略</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>Style toward the others:</source>
        <translation>对其他玩家的态度：</translation>
    </message>
</context>
<context>
    <name>tavolux::SetupSheet</name>
    <message>
        <location filename="../dialogs/setupsheet.cpp" line="+20"/>
        <source>New Game</source>
        <translation>新游戏</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Game Setup</source>
        <translation>游戏设置</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Who takes part, the animation speed and the sound</source>
        <translation>谁参加、动画速度和声音</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Player #%1</source>
        <translation>玩家 %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Name, picture, board turning and computer play of player #%1</source>
        <translation>玩家 %1 的名字、头像、棋盘转动和电脑下法</translation>
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
        <translation>中国跳棋</translation>
    </message>
</context>
<context>
    <name>tavolux::StatisticsDialog</name>
    <message>
        <location filename="../dialogs/statisticsdialog.cpp" line="+92"/>
        <source>Person</source>
        <extracomment>A player played by a person at the mouse, not by the computer.</extracomment>
        <translation>真人</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+2"/>
        <location line="+2"/>
        <source>Computer (%1)</source>
        <extracomment>A computer player; %1 is how well it plays (Beginner, Standard, Expert).</extracomment>
        <translation>电脑（%1）</translation>
    </message>
    <message>
        <location line="+8"/>
        <location line="+202"/>
        <source>Statistics</source>
        <extracomment>The title of the window with each player&apos;s figures over the games played.</extracomment>
        <translation>统计</translation>
    </message>
    <message>
        <location line="-195"/>
        <source>Games with &amp;Persons</source>
        <extracomment>Tab of the figures from games in which at least one person played.</extracomment>
        <translation>有真人参与的对局(&amp;P)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Games among Co&amp;mputers</source>
        <extracomment>Tab of the figures from games that computer players played among themselves.</extracomment>
        <translation>电脑之间的对局(&amp;M)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Each player&apos;s results in these games</source>
        <translation>每位玩家在这些对局中的成绩</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>C&amp;lear</source>
        <extracomment>Button that empties every player&apos;s figures, after asking.</extracomment>
        <translation>清除(&amp;L)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Forgets every player&apos;s results, after asking</source>
        <translation>询问后清除所有玩家的成绩</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Close</source>
        <extracomment>Button that closes the Statistics window.</extracomment>
        <translation>关闭</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>No games have been counted yet.</source>
        <extracomment>Shown instead of the table while no game has been counted.</extracomment>
        <translation>还没有统计任何对局。</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Player</source>
        <extracomment>Column heading: the player&apos;s name.</extracomment>
        <translation>玩家</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Kind</source>
        <extracomment>Column heading: a person, or a computer and how well it plays.</extracomment>
        <translation>类型</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Games</source>
        <extracomment>Column heading: the number of games played to the end.</extracomment>
        <translation>局数</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>1st</source>
        <extracomment>Column heading: the number of games the player finished first.</extracomment>
        <translation>第一名</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>2nd</source>
        <extracomment>Column heading: the number of games the player finished second.</extracomment>
        <translation>第二名</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>3rd</source>
        <extracomment>Column heading: the number of games the player finished third.</extracomment>
        <translation>第三名</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>4th</source>
        <extracomment>Column heading: the number of games the player finished fourth.</extracomment>
        <translation>第四名</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>5th</source>
        <extracomment>Column heading: the number of games the player finished fifth.</extracomment>
        <translation>第五名</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>6th</source>
        <extracomment>Column heading: the number of games the player finished sixth.</extracomment>
        <translation>第六名</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Abandoned</source>
        <extracomment>Column heading: the number of games given up before their end.</extracomment>
        <translation>放弃</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Average moves</source>
        <extracomment>Column heading: the average number of moves it took to bring all ten pieces home.</extracomment>
        <translation>平均步数</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Best</source>
        <extracomment>Column heading: the fewest moves it took to bring all ten pieces home.</extracomment>
        <translation>最佳</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Games played to the end</source>
        <translation>下到结束的局数</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Games finished in first place</source>
        <translation>获得第一名的局数</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Games finished in second place</source>
        <translation>获得第二名的局数</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Games finished in third place</source>
        <translation>获得第三名的局数</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Games finished in fourth place</source>
        <translation>获得第四名的局数</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Games finished in fifth place</source>
        <translation>获得第五名的局数</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Games finished in sixth place</source>
        <translation>获得第六名的局数</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Games given up before their end: a new game or a saved one taken instead, or the program closed</source>
        <translation>未下完就放弃的局数：改开新游戏或载入已保存的游戏，或关闭了程序</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The average number of moves it took to bring all ten pieces home</source>
        <translation>把十枚棋子全部走到终点平均所用的步数</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The fewest moves it took to bring all ten pieces home</source>
        <translation>把十枚棋子全部走到终点最少所用的步数</translation>
    </message>
    <message>
        <location line="+99"/>
        <source>Do you want to clear the statistics of every player?  This cannot be undone.</source>
        <translation>要清除所有玩家的统计吗？此操作无法撤销。</translation>
    </message>
</context>
<context>
    <name>tavolux::StatisticsFile</name>
    <message>
        <location filename="../app/statisticsfile.cpp" line="+66"/>
        <source>The folder &quot;%1&quot; could not be made.</source>
        <translation>无法创建文件夹“%1”。</translation>
    </message>
</context>
<context>
    <name>tavolux::StatisticsKeeper</name>
    <message>
        <location filename="../app/statisticskeeper.cpp" line="+68"/>
        <source>Another copy of Tavolux kept the statistics file busy.</source>
        <translation>另一个正在运行的 Tavolux 占用了统计文件。</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Statistics</source>
        <translation>统计</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>The statistics file &quot;%1&quot; is damaged and could not be moved aside, so nothing is saved over it. Clear the statistics to start a new file.</source>
        <translation>统计文件“%1”已损坏且无法移到一旁，因此不会在它上面保存任何内容。清除统计即可新建文件。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The statistics file was damaged. It has been kept as &quot;%1&quot;, and the statistics started afresh.</source>
        <translation>统计文件已损坏。它已保留为“%1”，统计已重新开始。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The statistics could not be saved in &quot;%1&quot;.
%2</source>
        <translation>无法把统计保存到“%1”。
%2</translation>
    </message>
</context>
<context>
    <name>tavolux::TurnLine</name>
    <message>
        <location filename="../app/turnline.cpp" line="+17"/>
        <source>Whose turn it is and the number of the move</source>
        <translation>轮到谁走以及第几步</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Move %1 · %2, %3, thinking</source>
        <extracomment>In the status bar while a computer is to move: the move&apos;s number, the name and the strength.</extracomment>
        <translation>第 %1 步 · %2，%3，思考中</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Move %1 · Your move, %2</source>
        <extracomment>In the status bar while a person is to move: the move&apos;s number and the name.</extracomment>
        <translation>第 %1 步 · 轮到你了，%2</translation>
    </message>
</context>
</TS>
