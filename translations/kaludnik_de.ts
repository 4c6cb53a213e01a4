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
        <translation>Tasten
Ziffernblock 7 8 9, 4 5 6, 1 2 3: die Felder, Reihe für Reihe
Q W E, A S D, Y X C auf einer deutschen Tastatur, auf anderen die Tasten an diesen Stellen: dasselbe
P, Pause: anhalten und weiter
M: Ton aus oder an
F1: Hilfe, wenn kein Spiel läuft
Strg+H: Bestenliste
Strg+N: neues Spiel
Strg+Q: beenden
Menü, Umschalt+F10: alle Befehle
Esc: dieses Fenster schließen</translation>
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
    <message>
        <source>Sound on</source>
        <extracomment>A note on the main window for a moment after M, or the menu&apos;s Sound, turned the game-over sound on or off.</extracomment>
        <translation>Ton an</translation>
    </message>
    <message>
        <source>Sound off</source>
        <translation>Ton aus</translation>
    </message>
</context>
<context>
    <name>RecordPlot</name>
    <message>
        <source>Scores of the last games</source>
        <extracomment>What a screen reader calls the plot of the last games&apos; scores in the score window.</extracomment>
        <translation>Punkte der letzten Spiele</translation>
    </message>
    <message>
        <source>%1 games, from %2 to %3 points; the last one %4 points</source>
        <extracomment>What a screen reader says of the plot: %1 how many games it shows, %2 their lowest score, %3 their highest, %4 the last game&apos;s score.</extracomment>
        <translation>%1 Spiele, von %2 bis %3 Punkten; das letzte %4 Punkte</translation>
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
    <message>
        <source>d MMM yyyy</source>
        <extracomment>The date of a result in the score table, in Qt&apos;s date format (d the day, MMM the month&apos;s short name, M its number, yyyy the year): never to be read the wrong way round, and at most 80 pixels wide.</extracomment>
        <translation>d. MMM yyyy</translation>
    </message>
    <message>
        <source>No game counted yet.</source>
        <extracomment>In the score window, where the record of every game holds none yet.</extracomment>
        <translation>Noch kein Spiel gezählt.</translation>
    </message>
    <message>
        <source>Games played: %1 · best: %2</source>
        <extracomment>The record of every game, in the score window: %1 how many were played, %2 the best score.</extracomment>
        <translation>Gespielt: %1 · bestes: %2</translation>
    </message>
    <message>
        <source>Average of the last 10: %1 · of all: %2</source>
        <extracomment>%1 the average score of the last 10 games, %2 that of all games.</extracomment>
        <translation>Schnitt der letzten 10: %1 · aller: %2</translation>
    </message>
    <message>
        <source>Dotted: average · dashed: 5th place · red: last game</source>
        <extracomment>What the lines of the plot under it are.</extracomment>
        <translation>Gepunktet: Schnitt · gestrichelt: 5. Platz · rot: letztes Spiel</translation>
    </message>
    <message>
        <source>Dotted: average · red: last game</source>
        <translation>Gepunktet: Schnitt · rot: letztes Spiel</translation>
    </message>
</context>
</TS>
