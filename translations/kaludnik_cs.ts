<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs_CZ" sourcelanguage="en">
<context>
    <name>AboutWindow</name>
    <message>
        <source>About</source>
        <translation>O hře</translation>
    </message>
</context>
<context>
    <name>Board</name>
    <message>
        <source>S c o r e : </source>
        <extracomment>The main window&apos;s score line before the score itself: letter-spaced, and ending in a blank.</extracomment>
        <translation>S k ó r e : </translation>
    </message>
    <message>
        <source>Ka lum</source>
        <extracomment>The main window&apos;s title as it is typed out: its first 6 letters.</extracomment>
        <translation>Ka lud</translation>
    </message>
    <message>
        <source>Ka lumb</source>
        <extracomment>The main window&apos;s title as it is typed out: its first 7 letters.</extracomment>
        <translation>Ka ludn</translation>
    </message>
    <message>
        <source>Ka lumbo</source>
        <extracomment>The main window&apos;s title as it is typed out: its first 8 letters.</extracomment>
        <translation>Ka ludni</translation>
    </message>
    <message>
        <source>Ka lumbor</source>
        <extracomment>The main window&apos;s title once typed out, shown for a tenth of a second.</extracomment>
        <translation>Ka ludnik</translation>
    </message>
    <message>
        <source>Player</source>
        <extracomment>The name a result is stored under where the system names no user.</extracomment>
        <translation>Hráč</translation>
    </message>
</context>
<context>
    <name>FatalErrorMessage</name>
    <message>
        <source>Ka ludnik has met an error it cannot recover from and will now end.

%1</source>
        <extracomment>The message box of an error the program cannot go on from; %1 says what failed.</extracomment>
        <translation>Ka ludnik narazil na chybu, ze které se nemůže zotavit, a nyní skončí.

%1</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Help</source>
        <translation>Nápověda</translation>
    </message>
    <message>
        <source>Click each of the 9 buttons to prevent them counting down to zero.  When you reach zero, it&apos;s game over and you have to start again.</source>
        <extracomment>The rules of the game in the help window; the text wraps within the window.</extracomment>
        <translation>Jde o velice jednoduchou hru. Cílem hry je klikat na tlačítka tak, aby se jejich hodnota nikdy nesnížila na nulu. Při každém kliknutí se Vám přičte 10 bodů a rychlost odpočítávání na tlačítku se zvýší o 50ms. Pokud vícekrát za sebou kliknete na jedno tlačítko přičtou se Vám body pouze za první kliknutí.</translation>
    </message>
    <message>
        <source>...</source>
        <extracomment>Under the rules in the help window: a short wish for the player.</extracomment>
        <translation>Příjemnou zábavu</translation>
    </message>
    <message>
        <source>Keys
Keypad 7 8 9, 4 5 6, 1 2 3: the cells, row by row
Q W E, A S D, Z X C on a US keyboard, the keys in those places on others: the same
P, Pause: pause, and go on
M: sound off or on
F1: help, when no game runs
Ctrl+H: best results
Ctrl+N: new game
Ctrl+Q: quit
Menu, Shift+F10: every command
Escape: close this window</source>
        <extracomment>The keys, in a column beside the rules in the help window, one a line. The letter keys are those in the grid&apos;s places on a keyboard of the language (Y X C on a Czech one).</extracomment>
        <translation>Klávesy
Numerická klávesnice 7 8 9, 4 5 6, 1 2 3: tlačítka po řádcích
Q W E, A S D, Y X C na české klávesnici, na jiných klávesy na stejných místech: totéž
P, Pause: pozastavit a pokračovat
M: zvuk vypnout nebo zapnout
F1: nápověda, když neběží hra
Ctrl+H: nejlepší výsledky
Ctrl+N: nová hra
Ctrl+Q: konec
Menu, Shift+F10: všechny příkazy
Escape: zavřít toto okno</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>dead</source>
        <extracomment>What a screen reader says of a cell that has died.</extracomment>
        <translation>mrtvé</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nová hra</translation>
    </message>
    <message>
        <source>S c o r e : 0</source>
        <extracomment>The score line until the first game, letter-spaced like the score prefix.</extracomment>
        <translation>S k ó r e  : 0</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Nápověda</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O hře</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Konec</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Konec hry</translation>
    </message>
    <message>
        <source>Row %1, column %2</source>
        <extracomment>What a screen reader calls a cell: %1 is its row, %2 its column, counted from 1.</extracomment>
        <translation>Řádek %1, sloupec %2</translation>
    </message>
    <message>
        <source>Open the score table</source>
        <extracomment>What a screen reader calls the hidden button that opens the score window.</extracomment>
        <translation>Otevřít tabulku skóre</translation>
    </message>
    <message>
        <source>Score</source>
        <extracomment>What a screen reader calls the score line; the score itself is read after it.</extracomment>
        <translation>Skóre</translation>
    </message>
    <message>
        <source>%1. Keys: keypad %2, or %3 on a US keyboard, the same place on others</source>
        <extracomment>What a screen reader says of a cell: %1 its count, %2 the key on the numeric keypad that clicks it, %3 the letter key that clicks it on a US keyboard; on other keyboards the key in the same place clicks it.</extracomment>
        <translation>%1. Klávesy: %2 na numerické klávesnici, nebo %3 na americké klávesnici, na jiných klávesa na tomtéž místě</translation>
    </message>
    <message>
        <source>Paused. Press P or Pause to go on.</source>
        <extracomment>Over the grid while the game is paused; P and Pause are keys.</extracomment>
        <translation>Pozastaveno. Pokračuj klávesou P nebo Pause.</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pozastavit</translation>
    </message>
    <message>
        <source>Best Results</source>
        <translation>Nejlepší výsledky</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Zvuk</translation>
    </message>
    <message>
        <source>Sound on</source>
        <extracomment>A note on the main window for a moment after M, or the menu&apos;s Sound, turned the game-over sound on or off.</extracomment>
        <translation>Zvuk zapnut</translation>
    </message>
    <message>
        <source>Sound off</source>
        <translation>Zvuk vypnut</translation>
    </message>
</context>
<context>
    <name>RecordPlot</name>
    <message>
        <source>Scores of the last games</source>
        <extracomment>What a screen reader calls the plot of the last games&apos; scores in the score window.</extracomment>
        <translation>Skóre posledních her</translation>
    </message>
    <message>
        <source>%1 games, from %2 to %3 points; the last one %4 points</source>
        <extracomment>What a screen reader says of the plot: %1 how many games it shows, %2 their lowest score, %3 their highest, %4 the last game&apos;s score.</extracomment>
        <translation>Her: %1, od %2 do %3 bodů; poslední %4 bodů</translation>
    </message>
</context>
<context>
    <name>ScoreWindow</name>
    <message>
        <source>The score file cannot be read; results are not saved to it.</source>
        <translation>Soubor se skóre nejde přečíst; výsledky se do něj neuloží.</translation>
    </message>
    <message>
        <source>The score file was damaged; it was set aside and a new table begins.</source>
        <translation>Soubor se skóre byl poškozený, je odložen a začíná nová tabulka.</translation>
    </message>
    <message>
        <source>Other games scored as high or higher meanwhile; this one did not fit.</source>
        <translation>Jiné hry mezitím skórovaly stejně nebo výš; tento výsledek se nevešel.</translation>
    </message>
    <message>
        <source>Score</source>
        <extracomment>The score window&apos;s title.</extracomment>
        <translation>Skóre</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>The command that closes the score window, keeping the name in the box.</extracomment>
        <translation>Zavřít</translation>
    </message>
    <message>
        <source>A result needs a name.</source>
        <translation>Bez jména se výsledek neuloží.</translation>
    </message>
    <message>
        <source>–</source>
        <extracomment>A place of the score table that nobody holds yet.</extracomment>
        <translation>–</translation>
    </message>
    <message>
        <source>%1, no result yet</source>
        <extracomment>What a screen reader says of an empty place of the score table; %1 is the rank.</extracomment>
        <translation>%1, zatím bez výsledku</translation>
    </message>
    <message>
        <source>%1, %2, %3 points, %4</source>
        <extracomment>What a screen reader says of a row of the score table: %1 the rank, %2 the name, %3 the score, %4 the date.</extracomment>
        <translation>%1, %2, %3 bodů, %4</translation>
    </message>
    <message>
        <source>Your name</source>
        <extracomment>The hint in the empty name box. It must fit the box, which is short.</extracomment>
        <translation>Zadej jméno</translation>
    </message>
    <message>
        <source>The result could not be saved; it is tried again each time this window opens.</source>
        <translation>Výsledek se nepodařilo uložit; zkusí se to znovu při každém otevření tohoto okna.</translation>
    </message>
    <message>
        <source>your new result</source>
        <extracomment>What a screen reader adds to the row of the result just stored.</extracomment>
        <translation>tvůj nový výsledek</translation>
    </message>
    <message>
        <source>1st place</source>
        <extracomment>The place of the game just stored, in the line &quot;%1 points — %2&quot;.</extracomment>
        <translation>1. místo</translation>
    </message>
    <message>
        <source>2nd place</source>
        <translation>2. místo</translation>
    </message>
    <message>
        <source>3rd place</source>
        <translation>3. místo</translation>
    </message>
    <message>
        <source>4th place</source>
        <translation>4. místo</translation>
    </message>
    <message>
        <source>5th place</source>
        <translation>5. místo</translation>
    </message>
    <message>
        <source>The result could not be saved; Save name tries again.</source>
        <extracomment>&quot;Save name&quot; is the button of the score window that stores the name.</extracomment>
        <translation>Výsledek se nepodařilo uložit; Uložit jméno to zkusí znovu.</translation>
    </message>
    <message>
        <source>Name:</source>
        <extracomment>The label over the name box, which screen readers read as the box&apos;s name.</extracomment>
        <translation>Jméno:</translation>
    </message>
    <message>
        <source>Save name</source>
        <extracomment>The button that gives the marked row the name in the box; the window stays open.</extracomment>
        <translation>Uložit jméno</translation>
    </message>
    <message>
        <source>%1 points — %2</source>
        <extracomment>The line under the name box after a game that made the table: %1 its score, %2 its place (&quot;1st place&quot;).</extracomment>
        <translation>%1 bodů — %2</translation>
    </message>
    <message>
        <source>d MMM yyyy</source>
        <extracomment>The date of a result in the score table, in Qt&apos;s date format (d the day, MMM the month&apos;s short name, M its number, yyyy the year): never to be read the wrong way round, and at most 80 pixels wide.</extracomment>
        <translation>d. M. yyyy</translation>
    </message>
    <message>
        <source>No game counted yet.</source>
        <extracomment>In the score window, where the record of every game holds none yet.</extracomment>
        <translation>Zatím se nepočítá žádná hra.</translation>
    </message>
    <message>
        <source>Games played: %1 · best: %2</source>
        <extracomment>The record of every game, in the score window: %1 how many were played, %2 the best score.</extracomment>
        <translation>Odehraných her: %1 · nejlepší: %2</translation>
    </message>
    <message>
        <source>Average of the last 10: %1 · of all: %2</source>
        <extracomment>%1 the average score of the last 10 games, %2 that of all games.</extracomment>
        <translation>Průměr posledních 10: %1 · všech: %2</translation>
    </message>
    <message>
        <source>Dotted: average · dashed: 5th place · red: last game</source>
        <extracomment>What the lines of the plot under it are.</extracomment>
        <translation>Tečkovaně: průměr · čárkovaně: 5. místo · červeně: poslední hra</translation>
    </message>
    <message>
        <source>Dotted: average · red: last game</source>
        <translation>Tečkovaně: průměr · červeně: poslední hra</translation>
    </message>
</context>
</TS>
