<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>AboutWindow</name>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
</context>
<context>
    <name>Board</name>
    <message>
        <source>S c o r e : </source>
        <extracomment>The main window&apos;s score line before the score itself: letter-spaced, and ending in a blank.</extracomment>
        <translation>P u n k t e : </translation>
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
        <translation>Spieler</translation>
    </message>
</context>
<context>
    <name>FatalErrorMessage</name>
    <message>
        <source>Ka ludnik has met an error it cannot recover from and will now end.

%1</source>
        <extracomment>The message box of an error the program cannot go on from; %1 says what failed.</extracomment>
        <translation>Ka ludnik ist auf einen Fehler gestoßen, der sich nicht beheben lässt, und wird jetzt beendet.

%1</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Click each of the 9 buttons to prevent them counting down to zero.  When you reach zero, it&apos;s game over and you have to start again.</source>
        <extracomment>The rules of the game in the help window; the text wraps within the window.</extracomment>
        <translation>Das ist ein ganz einfaches Spiel. Ziel ist es, so auf die Knöpfe zu klicken, dass ihr Wert nie auf null sinkt. Jeder Klick bringt dir 10 Punkte, und der Knopf zählt danach um 50&#xa0;ms schneller herunter. Klickst du mehrmals hintereinander auf denselben Knopf, zählt nur der erste Klick.</translation>
    </message>
    <message>
        <source>...</source>
        <extracomment>Under the rules in the help window: a short wish for the player.</extracomment>
        <translation>Viel Spaß!</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>dead</source>
        <extracomment>What a screen reader says of a cell that has died.</extracomment>
        <translation>tot</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source>S c o r e : 0</source>
        <extracomment>The score line until the first game, letter-spaced like the score prefix.</extracomment>
        <translation>P u n k t e : 0</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Spiel vorbei</translation>
    </message>
    <message>
        <source>Row %1, column %2</source>
        <extracomment>What a screen reader calls a cell: %1 is its row, %2 its column, counted from 1.</extracomment>
        <translation>Zeile %1, Spalte %2</translation>
    </message>
    <message>
        <source>Open the score table</source>
        <extracomment>What a screen reader calls the hidden button that opens the score window.</extracomment>
        <translation>Bestenliste öffnen</translation>
    </message>
    <message>
        <source>Score</source>
        <extracomment>What a screen reader calls the score line; the score itself is read after it.</extracomment>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>%1. Keys: keypad %2, or %3 on a US keyboard, the same place on others</source>
        <extracomment>What a screen reader says of a cell: %1 its count, %2 the key on the numeric keypad that clicks it, %3 the letter key that clicks it on a US keyboard; on other keyboards the key in the same place clicks it.</extracomment>
        <translation>%1. Tasten: %2 auf dem Ziffernblock oder %3 auf einer US-Tastatur, auf anderen die Taste an derselben Stelle</translation>
    </message>
    <message>
        <source>Paused. Press P or Pause to go on.</source>
        <extracomment>Over the grid while the game is paused; P and Pause are keys.</extracomment>
        <translation>Angehalten. Weiter mit P oder der Pause-Taste.</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Anhalten</translation>
    </message>
    <message>
        <source>Best Results</source>
        <translation>Bestenliste</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Ton</translation>
    </message>
</context>
<context>
    <name>ScoreWindow</name>
    <message>
        <source>The score file cannot be read; results are not saved to it.</source>
        <translation>Die Bestenliste ist nicht lesbar; es wird nichts gespeichert.</translation>
    </message>
    <message>
        <source>The score file was damaged; it was set aside and a new table begins.</source>
        <translation>Beschädigte Bestenliste beiseitegelegt; eine neue beginnt.</translation>
    </message>
    <message>
        <source>Other games scored as high or higher meanwhile; this one did not fit.</source>
        <translation>Andere Spiele waren inzwischen gleich gut oder besser; dieses fiel heraus.</translation>
    </message>
    <message>
        <source>Score</source>
        <extracomment>The score window&apos;s title.</extracomment>
        <translation>Bestenliste</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>The command that closes the score window, keeping the name in the box.</extracomment>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>A result needs a name.</source>
        <translation>Ein Ergebnis braucht einen Namen.</translation>
    </message>
    <message>
        <source>–</source>
        <extracomment>A place of the score table that nobody holds yet.</extracomment>
        <translation>–</translation>
    </message>
    <message>
        <source>%1, no result yet</source>
        <extracomment>What a screen reader says of an empty place of the score table; %1 is the rank.</extracomment>
        <translation>%1, noch kein Ergebnis</translation>
    </message>
    <message>
        <source>%1, %2, %3 points, %4</source>
        <extracomment>What a screen reader says of a row of the score table: %1 the rank, %2 the name, %3 the score, %4 the date.</extracomment>
        <translation>%1, %2, %3 Punkte, %4</translation>
    </message>
    <message>
        <source>Your name</source>
        <extracomment>The hint in the empty name box. It must fit the box, which is short.</extracomment>
        <translation>Dein Name</translation>
    </message>
    <message>
        <source>The result could not be saved; it is tried again each time this window opens.</source>
        <translation>Das Ergebnis konnte nicht gespeichert werden; bei jedem Öffnen dieses Fensters wird es erneut versucht.</translation>
    </message>
    <message>
        <source>your new result</source>
        <extracomment>What a screen reader adds to the row of the result just stored.</extracomment>
        <translation>dein neues Ergebnis</translation>
    </message>
    <message>
        <source>1st place</source>
        <extracomment>The place of the game just stored, in the line &quot;%1 points — %2&quot;.</extracomment>
        <translation>1. Platz</translation>
    </message>
    <message>
        <source>2nd place</source>
        <translation>2. Platz</translation>
    </message>
    <message>
        <source>3rd place</source>
        <translation>3. Platz</translation>
    </message>
    <message>
        <source>4th place</source>
        <translation>4. Platz</translation>
    </message>
    <message>
        <source>5th place</source>
        <translation>5. Platz</translation>
    </message>
    <message>
        <source>The result could not be saved; Save name tries again.</source>
        <extracomment>&quot;Save name&quot; is the button of the score window that stores the name.</extracomment>
        <translation>Speichern fehlgeschlagen; „Name speichern“ versucht es noch einmal.</translation>
    </message>
    <message>
        <source>Name:</source>
        <extracomment>The label over the name box, which screen readers read as the box&apos;s name.</extracomment>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Save name</source>
        <extracomment>The button that gives the marked row the name in the box; the window stays open.</extracomment>
        <translation>Name speichern</translation>
    </message>
    <message>
        <source>%1 points — %2</source>
        <extracomment>The line under the name box after a game that made the table: %1 its score, %2 its place (&quot;1st place&quot;).</extracomment>
        <translation>%1 Punkte — %2</translation>
    </message>
</context>
</TS>
