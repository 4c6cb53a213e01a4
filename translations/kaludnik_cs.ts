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
</context>
</TS>
