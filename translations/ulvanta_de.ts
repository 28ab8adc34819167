<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>BrowserEngine</name>
    <message>
        <source>The page cannot be shown: the browser engine stopped (exit code %1).</source>
        <translation>Die Seite kann nicht angezeigt werden: Die Browser-Engine wurde beendet (Exit-Code %1).</translation>
    </message>
</context>
<context>
    <name>BuildController</name>
    <message>
        <source>There are no icons in the list.  Do you still want to build the HTML file?</source>
        <translation>Die Liste enthält keine Symbole. Möchten Sie die HTML-Datei trotzdem erstellen?</translation>
    </message>
    <message>
        <source>No Items in List</source>
        <translation>Keine Einträge in der Liste</translation>
    </message>
    <message>
        <source>Build the HTML File</source>
        <translation>HTML-Datei erstellen</translation>
    </message>
    <message>
        <source>Build Error</source>
        <translation>Fehler beim Erstellen</translation>
    </message>
    <message>
        <source>Build</source>
        <translation>Erstellen</translation>
    </message>
    <message numerus="yes">
        <source>Built %1: %n icon(s), %2 extracted</source>
        <translation>
            <numerusform>%1 erstellt: %n Symbol, %2 extrahiert</numerusform>
            <numerusform>%1 erstellt: %n Symbole, %2 extrahiert</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BuildProgram</name>
    <message>
        <source>Usage: ulvanta-build DOC.pmf [OUT.htm]
       ulvanta-build --check [--online] DOC.pmf
  DOC.pmf          print the page of the Ulvanta file
  DOC.pmf OUT.htm  build the page into OUT.htm and its icon folder
  --check          check the programs, folders and files the page relies on;
                   one line per problem, exit status 1 when there are any
  --online         with --check, also request every http and https address
  --help           show this help
  --version        show the version
</source>
        <translation>Aufruf: ulvanta-build DOC.pmf [OUT.htm]
        ulvanta-build --check [--online] DOC.pmf
  DOC.pmf          die Seite der Ulvanta-Datei ausgeben
  DOC.pmf OUT.htm  die Seite als OUT.htm mit ihrem Symbolordner erstellen
  --check          die Programme, Ordner und Dateien prüfen, die die Seite braucht;
                   eine Zeile je Problem, Exit-Status 1, wenn es welche gibt
  --online         mit --check auch jede http- und https-Adresse abrufen
  --help           diese Hilfe zeigen
  --version        die Version zeigen
</translation>
    </message>
    <message>
        <source>ulvanta-build: unknown option &apos;%1&apos;</source>
        <translation>ulvanta-build: unbekannte Option &apos;%1&apos;</translation>
    </message>
    <message>
        <source>The page could not be written - %1</source>
        <translation>Die Seite konnte nicht geschrieben werden - %1</translation>
    </message>
    <message>
        <source>The page could not be generated - %1</source>
        <translation>Die Seite konnte nicht erzeugt werden - %1</translation>
    </message>
</context>
<context>
    <name>ColumnSwap</name>
    <message>
        <source>Swap Columns</source>
        <translation>Spalten tauschen</translation>
    </message>
    <message>
        <source>Move Column</source>
        <translation>Spalte verschieben</translation>
    </message>
    <message>
        <source>Copy Column</source>
        <translation>Spalte kopieren</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: ulvanta-editor [DOC.pmf]
  DOC.pmf    open the Ulvanta file (the whole line is its path)
  --help     show this help
  --version  show the version
</source>
        <translation>Aufruf: ulvanta-editor [DOC.pmf]
  DOC.pmf    die Ulvanta-Datei öffnen (die ganze Zeile ist ihr Pfad)
  --help     diese Hilfe zeigen
  --version  die Version zeigen
</translation>
    </message>
    <message>
        <source>Bad file name or number (the name is not valid in the system&apos;s file name encoding)</source>
        <translation>Ungültiger Dateiname oder ungültige Dateinummer (der Name ist in der Dateinamenkodierung des Systems nicht gültig)</translation>
    </message>
</context>
<context>
    <name>DroppedItems</name>
    <message>
        <source>%1 is neither a file nor a web address</source>
        <translation>%1 ist weder eine Datei noch eine Webadresse</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>Nothing to add: the drop holds no file or web address</source>
        <translation>Nichts hinzuzufügen: Das Abgelegte enthält keine Datei und keine Webadresse</translation>
    </message>
    <message>
        <source>Not added: %1</source>
        <translation>Nicht hinzugefügt: %1</translation>
    </message>
    <message>
        <source>%1 items not added; the first: %2</source>
        <translation>%1 Einträge nicht hinzugefügt; der erste: %2</translation>
    </message>
</context>
<context>
    <name>EditStep</name>
    <message>
        <source>Edit Description</source>
        <translation>Beschreibung bearbeiten</translation>
    </message>
</context>
<context>
    <name>EntryContainer</name>
    <message>
        <source>Invalid file format (%1)</source>
        <translation>Ungültiges Dateiformat (%1)</translation>
    </message>
    <message>
        <source>the file is too large</source>
        <translation>die Datei ist zu groß</translation>
    </message>
    <message>
        <source>the file is too short</source>
        <translation>die Datei ist zu kurz</translation>
    </message>
    <message>
        <source>the header is not %1</source>
        <translation>der Kopf ist nicht %1</translation>
    </message>
    <message>
        <source>the file holds fewer entries than it says</source>
        <translation>die Datei enthält weniger Einträge als angegeben</translation>
    </message>
    <message>
        <source>entry %1 lies outside the file</source>
        <translation>Eintrag %1 liegt außerhalb der Datei</translation>
    </message>
    <message>
        <source>entry %1 overlaps another or is out of order</source>
        <translation>Eintrag %1 überlappt einen anderen oder steht an falscher Stelle</translation>
    </message>
    <message>
        <source>an entry lies outside the file</source>
        <translation>ein Eintrag liegt außerhalb der Datei</translation>
    </message>
</context>
<context>
    <name>Error</name>
    <message>
        <source>Overflow</source>
        <translation>Überlauf</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Nicht genügend Arbeitsspeicher</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Typen unverträglich</translation>
    </message>
    <message>
        <source>Bad file name or number</source>
        <translation>Ungültiger Dateiname oder ungültige Dateinummer</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Datei nicht gefunden</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>Datenträger voll</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Zugriff verweigert</translation>
    </message>
    <message>
        <source>Path/File access error</source>
        <translation>Fehler beim Zugriff auf Pfad/Datei</translation>
    </message>
    <message>
        <source>Path not found</source>
        <translation>Pfad nicht gefunden</translation>
    </message>
    <message>
        <source>Invalid file format</source>
        <translation>Ungültiges Dateiformat</translation>
    </message>
    <message>
        <source>Application-defined or object-defined error</source>
        <translation>Anwendungs- oder objektdefinierter Fehler</translation>
    </message>
</context>
<context>
    <name>ErrorMessages</name>
    <message>
        <source>An error occurred when attempting to open the file &apos;%1&apos; - %2</source>
        <translation>Beim Öffnen der Datei &apos;%1&apos; ist ein Fehler aufgetreten - %2</translation>
    </message>
    <message>
        <source>An error occurred when attempting to save the file &apos;%1&apos; - %2</source>
        <translation>Beim Speichern der Datei &apos;%1&apos; ist ein Fehler aufgetreten - %2</translation>
    </message>
    <message>
        <source>An error occurred when attempting to import the file &apos;%1&apos; - %2</source>
        <translation>Beim Importieren der Datei &apos;%1&apos; ist ein Fehler aufgetreten - %2</translation>
    </message>
    <message>
        <source>An error occurred when attempting to build the HTML file &apos;%1&apos; - %2</source>
        <translation>Beim Erstellen der HTML-Datei &apos;%1&apos; ist ein Fehler aufgetreten - %2</translation>
    </message>
    <message>
        <source>An error occurred when running the command - &apos;%1&apos; - %2</source>
        <translation>Beim Ausführen des Befehls ist ein Fehler aufgetreten - &apos;%1&apos; - %2</translation>
    </message>
</context>
<context>
    <name>FileController</name>
    <message>
        <source>The file &apos;%1&apos;  has changed.  Do you want to save the changes?</source>
        <translation>Die Datei &apos;%1&apos; wurde geändert. Möchten Sie die Änderungen speichern?</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; (&apos;%2&apos;) has changed.  Do you want to save the changes?</source>
        <translation>Die Datei &apos;%1&apos; (&apos;%2&apos;) wurde geändert. Möchten Sie die Änderungen speichern?</translation>
    </message>
    <message>
        <source>Ulvanta Editor</source>
        <translation>Ulvanta Editor</translation>
    </message>
    <message>
        <source>Open Error</source>
        <translation>Fehler beim Öffnen</translation>
    </message>
    <message>
        <source>Open an Ulvanta File</source>
        <translation>Ulvanta-Datei öffnen</translation>
    </message>
    <message>
        <source>Save Error</source>
        <translation>Fehler beim Speichern</translation>
    </message>
    <message>
        <source>Save the Ulvanta File</source>
        <translation>Ulvanta-Datei speichern</translation>
    </message>
    <message>
        <source>Ulvanta File (*.pmf)|*.pmf|All files (*.*)|*.*</source>
        <translation>Ulvanta-Datei (*.pmf)|*.pmf|Alle Dateien (*.*)|*.*</translation>
    </message>
</context>
<context>
    <name>IconDialog</name>
    <message>
        <source>* &amp;Description:</source>
        <translation>* &amp;Beschreibung:</translation>
    </message>
    <message>
        <source>* &amp;Command:</source>
        <translation>* Be&amp;fehl:</translation>
    </message>
    <message>
        <source>Browse for File</source>
        <translation>Datei suchen</translation>
    </message>
    <message>
        <source>Browse for the command&apos;s file</source>
        <translation>Datei des Befehls suchen</translation>
    </message>
    <message>
        <source>Browse for Folder</source>
        <translation>Ordner suchen</translation>
    </message>
    <message>
        <source>Browse for the command&apos;s folder</source>
        <translation>Ordner des Befehls suchen</translation>
    </message>
    <message>
        <source>&amp;Parameters:</source>
        <translation>&amp;Parameter:</translation>
    </message>
    <message>
        <source>Browse for a parameter file</source>
        <translation>Datei als Parameter suchen</translation>
    </message>
    <message>
        <source>Browse for a parameter folder</source>
        <translation>Ordner als Parameter suchen</translation>
    </message>
    <message>
        <source>&amp;Start in:</source>
        <translation>&amp;Starten in:</translation>
    </message>
    <message>
        <source>Browse for the start-in folder</source>
        <translation>Startordner suchen</translation>
    </message>
    <message>
        <source>&amp;Icon:</source>
        <translation>S&amp;ymbol:</translation>
    </message>
    <message>
        <source>Browse for the icon file</source>
        <translation>Symboldatei suchen</translation>
    </message>
    <message>
        <source>Browse for the icon&apos;s folder</source>
        <translation>Ordner des Symbols suchen</translation>
    </message>
    <message>
        <source>&amp;Run:</source>
        <translation>&amp;Ausführen als:</translation>
    </message>
    <message>
        <source>Co&amp;mments:</source>
        <translation>Ko&amp;mmentare:</translation>
    </message>
    <message>
        <source>Icon preview</source>
        <translation>Symbolvorschau</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Add a&amp;nd close</source>
        <translation>Hinzufügen und sch&amp;ließen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Link to &amp;Ulvanta file</source>
        <translation>Verknüpfung zu &amp;Ulvanta-Datei</translation>
    </message>
    <message>
        <source>Browse for Ulvanta File</source>
        <translation>Ulvanta-Datei suchen</translation>
    </message>
    <message>
        <source>&amp;Open in new window</source>
        <translation>In neuem Fenster &amp;öffnen</translation>
    </message>
    <message>
        <source>Add item at &amp;bottom of list</source>
        <translation>Eintrag am &amp;Ende der Liste hinzufügen</translation>
    </message>
    <message>
        <source>Clear &amp;TextBoxes after adding</source>
        <translation>&amp;Textfelder nach dem Hinzufügen leeren</translation>
    </message>
    <message>
        <source>* - mandatory field</source>
        <translation>* - Pflichtfeld</translation>
    </message>
    <message>
        <source>&amp;From Theme...</source>
        <translation>Aus Symbolthema &amp;wählen...</translation>
    </message>
    <message>
        <source>Choose an icon of the desktop&apos;s icon theme</source>
        <translation>Ein Symbol aus dem Symbolthema des Desktops wählen</translation>
    </message>
    <message>
        <source>Choose the icon from the icon theme</source>
        <translation>Das Symbol aus dem Symbolthema wählen</translation>
    </message>
</context>
<context>
    <name>IconEntry</name>
    <message>
        <source>Edit Error</source>
        <translation>Fehler beim Bearbeiten</translation>
    </message>
    <message>
        <source>Add Error</source>
        <translation>Fehler beim Hinzufügen</translation>
    </message>
    <message>
        <source>You must enter a description for this icon</source>
        <translation>Sie müssen eine Beschreibung für dieses Symbol eingeben</translation>
    </message>
    <message>
        <source>You must enter a command for this icon</source>
        <translation>Sie müssen einen Befehl für dieses Symbol eingeben</translation>
    </message>
    <message>
        <source>The description cannot start with the word &apos;SECTION:&apos;</source>
        <translation>Die Beschreibung darf nicht mit dem Wort &apos;SECTION:&apos; beginnen</translation>
    </message>
    <message>
        <source>Edit Icon</source>
        <translation>Symbol bearbeiten</translation>
    </message>
    <message>
        <source>Add Icon</source>
        <translation>Symbol hinzufügen</translation>
    </message>
    <message>
        <source>Browse for Command</source>
        <translation>Befehl suchen</translation>
    </message>
    <message>
        <source>&amp;Choose a Drive/Folder for the command:</source>
        <translation>&amp;Laufwerk/Ordner für den Befehl wählen:</translation>
    </message>
    <message>
        <source>Browse for Parameter</source>
        <translation>Parameter suchen</translation>
    </message>
    <message>
        <source>&amp;Choose a Drive/Folder for the parameters:</source>
        <translation>&amp;Laufwerk/Ordner für die Parameter wählen:</translation>
    </message>
    <message>
        <source>&amp;Choose a Start In Drive/Folder:</source>
        <translation>&amp;Startlaufwerk/-ordner wählen:</translation>
    </message>
    <message>
        <source>Choose an Icon</source>
        <translation>Symbol wählen</translation>
    </message>
    <message>
        <source>&amp;Choose a Drive/Folder for the icon:</source>
        <translation>&amp;Laufwerk/Ordner für das Symbol wählen:</translation>
    </message>
    <message>
        <source>All Executables (*.exe;*.com;*.bat)|*.exe;*.com;*.bat|Application (*.exe)|*.exe|MS-DOS Application (*.com)|*.com|MS-DOS Batch File (*.bat)|*.bat|</source>
        <translation>Alle ausführbaren Dateien (*.exe;*.com;*.bat)|*.exe;*.com;*.bat|Anwendung (*.exe)|*.exe|MS-DOS-Anwendung (*.com)|*.com|MS-DOS-Stapeldatei (*.bat)|*.bat|</translation>
    </message>
    <message>
        <source>All Icons (*.ico;*.bmp;*.gif;*.jpg;*.jpeg;*.jpe;*.jfif;*.exe)|*.ico;*.bmp;*.gif;*.jpg;*.jpeg;*.jpe;*.jfif;*.exe|Icon (*.ico)|*.ico|Bitmap Image (*.bmp)|*.bmp|GIF Image (*.gif)|*.gif|JPEG Images (*.jpg;*.jpeg;*.jpe;*.jfif)|*.jpg;*.jpeg;*.jpe;*.jfif|Application (*.exe)|*.exe|</source>
        <translation>Alle Symbole (*.ico;*.bmp;*.gif;*.jpg;*.jpeg;*.jpe;*.jfif;*.exe)|*.ico;*.bmp;*.gif;*.jpg;*.jpeg;*.jpe;*.jfif;*.exe|Symbol (*.ico)|*.ico|Bitmap-Bild (*.bmp)|*.bmp|GIF-Bild (*.gif)|*.gif|JPEG-Bilder (*.jpg;*.jpeg;*.jpe;*.jfif)|*.jpg;*.jpeg;*.jpe;*.jfif|Anwendung (*.exe)|*.exe|</translation>
    </message>
    <message>
        <source>All Files (*.*)|*.*</source>
        <translation>Alle Dateien (*.*)|*.*</translation>
    </message>
</context>
<context>
    <name>IconStart</name>
    <message>
        <source>Path not found (&apos;%1&apos;)</source>
        <translation>Pfad nicht gefunden (&apos;%1&apos;)</translation>
    </message>
    <message>
        <source>%1 (not in PATH)</source>
        <translation>%1 (nicht im PATH)</translation>
    </message>
    <message>
        <source>Missing: %1

To find every missing program, folder and picture of this page, open it in the editor and choose File &gt; Check Page (Ctrl+K).</source>
        <translation>Fehlt: %1

Um alle fehlenden Programme, Ordner und Bilder dieser Seite zu finden, öffnen Sie sie im Editor und wählen Sie Datei &gt; Seite prüfen (Strg+K).</translation>
    </message>
</context>
<context>
    <name>ImportController</name>
    <message>
        <source>Import Error</source>
        <translation>Fehler beim Importieren</translation>
    </message>
    <message>
        <source>Choose an Ulvanta File to Import</source>
        <translation>Zu importierende Ulvanta-Datei wählen</translation>
    </message>
    <message>
        <source>|Bookmarks (*.html;*.htm)|*.html;*.htm</source>
        <translation>|Lesezeichen (*.html;*.htm)|*.html;*.htm</translation>
    </message>
    <message>
        <source>No items were found in the file</source>
        <translation>In der Datei wurden keine Einträge gefunden</translation>
    </message>
    <message numerus="yes">
        <source>%1 item(s) were successfully added</source>
        <translation>
            <numerusform>%1 Eintrag wurde erfolgreich hinzugefügt</numerusform>
            <numerusform>%1 Einträge wurden erfolgreich hinzugefügt</numerusform>
        </translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>Could not find the file &apos;%1&apos;. Please check the filename and try again.</source>
        <translation>Die Datei &apos;%1&apos; wurde nicht gefunden. Bitte prüfen Sie den Dateinamen und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Import Result</source>
        <translation>Ergebnis des Imports</translation>
    </message>
</context>
<context>
    <name>Launcher</name>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>unbekannte Option &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--quiet needs a page</source>
        <translation>--quiet braucht eine Seite</translation>
    </message>
    <message>
        <source>Usage: %1 [--quiet] [PAGE]
Shows a launcher page in a window and starts programs when its icons are clicked.
Without PAGE a file dialog asks for one.

  --quiet    report failures on standard error and end with status 1
             instead of showing a message box
  --help     show this text
  --version  show the program&apos;s version
</source>
        <translation>Aufruf: %1 [--quiet] [SEITE]
Zeigt eine Starterseite in einem Fenster und startet Programme, wenn ihre Symbole angeklickt werden.
Ohne SEITE fragt ein Dateidialog nach einer.

  --quiet    Fehler auf der Standardfehlerausgabe melden und mit Status 1 enden,
             statt ein Meldungsfenster zu zeigen
  --help     diesen Text zeigen
  --version  die Version des Programms zeigen
</translation>
    </message>
    <message>
        <source>Open Error: %1
</source>
        <translation>Fehler beim Öffnen: %1
</translation>
    </message>
    <message>
        <source>There is no display to show the page on.
</source>
        <translation>Es gibt keine Anzeige, auf der die Seite gezeigt werden kann.
</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos;.
</source>
        <translation>%1: %2
Siehe &apos;%1 --help&apos;.
</translation>
    </message>
    <message>
        <source>
In the window, type part of an icon&apos;s description, or the initials of its
words, to find it; Enter starts the first icon found. Home and the arrow keys
move among the icons, Enter or Space starts the one with the focus. Escape
clears what was typed; a second one closes the window if the page allows it.
</source>
        <translation>
Tippen Sie im Fenster einen Teil der Beschreibung eines Symbols oder die
Anfangsbuchstaben ihrer Wörter, um es zu finden; die Eingabetaste startet das
erste gefundene Symbol. Pos1 und die Pfeiltasten wechseln zwischen den Symbolen,
Eingabe oder Leertaste startet das Symbol mit dem Fokus. Escape löscht die
Eingabe; ein zweites Escape schließt das Fenster, wenn die Seite es erlaubt.
</translation>
    </message>
</context>
<context>
    <name>LauncherWindow</name>
    <message>
        <source>HTML Document (*.htm;*.html)|*.htm;*.html|All files (*.*)|*.*</source>
        <translation>HTML-Dokument (*.htm;*.html)|*.htm;*.html|Alle Dateien (*.*)|*.*</translation>
    </message>
</context>
<context>
    <name>ListController</name>
    <message>
        <source>Are you sure you want to delete the selected item?</source>
        <translation>Möchten Sie den gewählten Eintrag wirklich löschen?</translation>
    </message>
    <message>
        <source>Delete Icon(s)</source>
        <translation>Symbol(e) löschen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Nach unten</translation>
    </message>
</context>
<context>
    <name>PageCheck</name>
    <message>
        <source>folder does not exist: %1</source>
        <translation>Ordner existiert nicht: %1</translation>
    </message>
    <message>
        <source>folder is not writable: %1</source>
        <translation>Ordner ist nicht beschreibbar: %1</translation>
    </message>
    <message>
        <source>not an address with a scheme: %1</source>
        <translation>keine Adresse mit Schema: %1</translation>
    </message>
    <message>
        <source>pm: and pmc: addresses cannot be linked: %1</source>
        <translation>pm:- und pmc:-Adressen können nicht verlinkt werden: %1</translation>
    </message>
    <message>
        <source>no command</source>
        <translation>kein Befehl</translation>
    </message>
    <message>
        <source>the launcher does not open this address: %1</source>
        <translation>der Starter öffnet diese Adresse nicht: %1</translation>
    </message>
    <message>
        <source>program not found: %1 (not in PATH)</source>
        <translation>Programm nicht gefunden: %1 (nicht in PATH)</translation>
    </message>
    <message>
        <source>file not found: %1</source>
        <translation>Datei nicht gefunden: %1</translation>
    </message>
    <message>
        <source>file cannot be read: %1</source>
        <translation>Datei kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>program cannot be run: %1 (no permission)</source>
        <translation>Programm kann nicht ausgeführt werden: %1 (keine Berechtigung)</translation>
    </message>
    <message>
        <source>program cannot be run: %1 (interpreter not found: %2)</source>
        <translation>Programm kann nicht ausgeführt werden: %1 (Interpreter nicht gefunden: %2)</translation>
    </message>
    <message>
        <source>not a readable image: %1</source>
        <translation>kein lesbares Bild: %1</translation>
    </message>
</context>
<context>
    <name>PreviewFile</name>
    <message>
        <source>The page could not be generated - %1</source>
        <translation>Die Seite konnte nicht erzeugt werden - %1</translation>
    </message>
    <message>
        <source>The preview file &apos;%1&apos; could not be written - %2</source>
        <translation>Die Vorschaudatei &apos;%1&apos; konnte nicht geschrieben werden - %2</translation>
    </message>
</context>
<context>
    <name>PreviewLoader</name>
    <message>
        <source>The preview cannot be shown: its module did not load (%1).</source>
        <translation>Die Vorschau kann nicht angezeigt werden: Ihr Modul wurde nicht geladen (%1).</translation>
    </message>
</context>
<context>
    <name>PreviewView</name>
    <message>
        <source>Page preview</source>
        <translation>Seitenvorschau</translation>
    </message>
</context>
<context>
    <name>PropertyController</name>
    <message>
        <source>%1 Error</source>
        <translation>Fehler: %1</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a number, please try again</source>
        <translation>&apos;%1&apos; ist keine Zahl, bitte versuchen Sie es erneut</translation>
    </message>
    <message>
        <source>The number must be %1 or higher</source>
        <translation>Die Zahl muss %1 oder größer sein</translation>
    </message>
    <message>
        <source>The number must be %1 or lower</source>
        <translation>Die Zahl muss %1 oder kleiner sein</translation>
    </message>
    <message>
        <source>This property requires that the file is saved.  Do you want to save now?</source>
        <translation>Diese Eigenschaft erfordert, dass die Datei gespeichert ist. Möchten Sie jetzt speichern?</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Datei speichern</translation>
    </message>
    <message>
        <source>Type the window title:</source>
        <translation>Geben Sie den Fenstertitel ein:</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the properties?</source>
        <translation>Möchten Sie die Eigenschaften wirklich zurücksetzen?</translation>
    </message>
    <message>
        <source>Reset Properties</source>
        <translation>Eigenschaften zurücksetzen</translation>
    </message>
    <message>
        <source>All Picture Formats (*.gif;*.jpg;*.jpeg;*.jpe;*.jfif;*.png;*.bmp)|*.gif;*.jpg;*.jpeg;*.jpe;*.jfif;*.png;*.bmp|Gif Format (*.gif)|*.gif|JPEG Format (*.jpg;*.jpeg;*.jpe;*.jfif)|*.jpg;*.jpeg;*.jpe;*.jfif|Portable Network Graphics (*.png)|*.png|Bitmap Image (*.bmp)|*.bmp</source>
        <translation>Alle Bildformate (*.gif;*.jpg;*.jpeg;*.jpe;*.jfif;*.png;*.bmp)|*.gif;*.jpg;*.jpeg;*.jpe;*.jfif;*.png;*.bmp|GIF-Format (*.gif)|*.gif|JPEG-Format (*.jpg;*.jpeg;*.jpe;*.jfif)|*.jpg;*.jpeg;*.jpe;*.jfif|Portable Network Graphics (*.png)|*.png|Bitmap-Bild (*.bmp)|*.bmp</translation>
    </message>
    <message>
        <source>Icon (*.ico)|*.ico</source>
        <translation>Symbol (*.ico)|*.ico</translation>
    </message>
    <message>
        <source>Cascading Style Sheet (*.css)|*.css</source>
        <translation>Cascading Style Sheet (*.css)|*.css</translation>
    </message>
    <message>
        <source>HTML Document (*.htm;*.html)|*.htm;*.html</source>
        <translation>HTML-Dokument (*.htm;*.html)|*.htm;*.html</translation>
    </message>
    <message>
        <source>Choose a Background Picture</source>
        <translation>Hintergrundbild wählen</translation>
    </message>
    <message>
        <source>How many columns do you want?</source>
        <translation>Wie viele Spalten möchten Sie?</translation>
    </message>
    <message>
        <source>Type the Font size:</source>
        <translation>Schriftgröße eingeben:</translation>
    </message>
    <message>
        <source>Window height (pixels):</source>
        <translation>Fensterhöhe (Pixel):</translation>
    </message>
    <message>
        <source>Choose an Icon</source>
        <translation>Symbol wählen</translation>
    </message>
    <message>
        <source>Icon size (16 minimum):</source>
        <translation>Symbolgröße (mindestens 16):</translation>
    </message>
    <message>
        <source>Window width (pixels):</source>
        <translation>Fensterbreite (Pixel):</translation>
    </message>
    <message>
        <source>Choose a Style Sheet</source>
        <translation>Stylesheet wählen</translation>
    </message>
    <message>
        <source>HTML File Location</source>
        <translation>Speicherort der HTML-Datei</translation>
    </message>
</context>
<context>
    <name>PropertyDialogs</name>
    <message>
        <source>&amp;HTML File Location:</source>
        <translation>Speicherort der &amp;HTML-Datei:</translation>
    </message>
    <message>
        <source>|All Files (*.*)|*.*</source>
        <translation>|Alle Dateien (*.*)|*.*</translation>
    </message>
</context>
<context>
    <name>PropertyTable</name>
    <message>
        <source>Background colour</source>
        <translation>Hintergrundfarbe</translation>
    </message>
    <message>
        <source>Background picture</source>
        <translation>Hintergrundbild</translation>
    </message>
    <message>
        <source>Closable</source>
        <translation>Schließbar</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Spalten</translation>
    </message>
    <message>
        <source>Extra commands</source>
        <translation>Zusätzliche Befehle</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Schrift</translation>
    </message>
    <message>
        <source>Font bold</source>
        <translation>Schrift fett</translation>
    </message>
    <message>
        <source>Font italic</source>
        <translation>Schrift kursiv</translation>
    </message>
    <message>
        <source>Font size</source>
        <translation>Schriftgröße</translation>
    </message>
    <message>
        <source>Font strikethrough</source>
        <translation>Schrift durchgestrichen</translation>
    </message>
    <message>
        <source>Font underline</source>
        <translation>Schrift unterstrichen</translation>
    </message>
    <message>
        <source>Footer HTML</source>
        <translation>Fußzeilen-HTML</translation>
    </message>
    <message>
        <source>Header HTML</source>
        <translation>Kopfzeilen-HTML</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>Icon</source>
        <translation>Symbol</translation>
    </message>
    <message>
        <source>Icon size</source>
        <translation>Symbolgröße</translation>
    </message>
    <message>
        <source>Show exit command</source>
        <translation>Befehl Beenden zeigen</translation>
    </message>
    <message>
        <source>Show edit command</source>
        <translation>Befehl Bearbeiten zeigen</translation>
    </message>
    <message>
        <source>Show maximise command</source>
        <translation>Befehl Maximieren zeigen</translation>
    </message>
    <message>
        <source>Show minimise command</source>
        <translation>Befehl Minimieren zeigen</translation>
    </message>
    <message>
        <source>Show open command</source>
        <translation>Befehl Öffnen zeigen</translation>
    </message>
    <message>
        <source>Start maximised</source>
        <translation>Maximiert starten</translation>
    </message>
    <message>
        <source>Table border</source>
        <translation>Tabellenrahmen</translation>
    </message>
    <message>
        <source>Text colour</source>
        <translation>Textfarbe</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>Link colour</source>
        <translation>Linkfarbe</translation>
    </message>
    <message>
        <source>Link visited colour</source>
        <translation>Farbe besuchter Links</translation>
    </message>
    <message>
        <source>Link active colour</source>
        <translation>Farbe aktiver Links</translation>
    </message>
    <message>
        <source>Link hover colour</source>
        <translation>Linkfarbe unter dem Mauszeiger</translation>
    </message>
    <message>
        <source>Style sheet</source>
        <translation>Stylesheet</translation>
    </message>
    <message>
        <source>Minimise on use</source>
        <translation>Nach Gebrauch minimieren</translation>
    </message>
    <message>
        <source>Icons above</source>
        <translation>Symbole oberhalb</translation>
    </message>
    <message>
        <source>Table colour</source>
        <translation>Tabellenfarbe</translation>
    </message>
    <message>
        <source>(HTML File)</source>
        <translation>(HTML-Datei)</translation>
    </message>
    <message>
        <source>Show refresh command</source>
        <translation>Befehl Aktualisieren zeigen</translation>
    </message>
</context>
<context>
    <name>ReplaceAll</name>
    <message>
        <source>Replace All</source>
        <translation>Alle ersetzen</translation>
    </message>
</context>
<context>
    <name>RunController</name>
    <message>
        <source>Run Error</source>
        <translation>Fehler beim Ausführen</translation>
    </message>
</context>
<context>
    <name>SectionEntry</name>
    <message>
        <source>Edit Section</source>
        <translation>Abschnitt bearbeiten</translation>
    </message>
    <message>
        <source>Add Section</source>
        <translation>Abschnitt hinzufügen</translation>
    </message>
</context>
<context>
    <name>SectionRow</name>
    <message>
        <source>1 column</source>
        <translation>1 Spalte</translation>
    </message>
    <message>
        <source>%1 columns</source>
        <translation>%1 Spalten</translation>
    </message>
    <message>
        <source>%1 px icons</source>
        <translation>Symbole mit %1 px</translation>
    </message>
    <message>
        <source>icons above</source>
        <translation>Symbole oben</translation>
    </message>
    <message>
        <source>icons beside</source>
        <translation>Symbole daneben</translation>
    </message>
    <message>
        <source>border</source>
        <translation>Rahmen</translation>
    </message>
    <message>
        <source>no border</source>
        <translation>kein Rahmen</translation>
    </message>
</context>
<context>
    <name>ShellWords</name>
    <message>
        <source>Invalid procedure call or argument (a single quote is not closed in the parameters)</source>
        <translation>Ungültiger Prozeduraufruf oder ungültiges Argument (ein einfaches Anführungszeichen in den Parametern ist nicht geschlossen)</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument (a double quote is not closed in the parameters)</source>
        <translation>Ungültiger Prozeduraufruf oder ungültiges Argument (ein doppeltes Anführungszeichen in den Parametern ist nicht geschlossen)</translation>
    </message>
</context>
<context>
    <name>ShortcutWriter</name>
    <message>
        <source>Create Shortcut to Desktop Error</source>
        <translation>Fehler beim Erstellen der Desktop-Verknüpfung</translation>
    </message>
    <message>
        <source>An error occurred when creating a shortcut on the Desktop - %1</source>
        <translation>Beim Erstellen einer Verknüpfung auf dem Desktop ist ein Fehler aufgetreten - %1</translation>
    </message>
    <message>
        <source>A shortcut was successfully created on the Desktop</source>
        <translation>Eine Verknüpfung wurde auf dem Desktop erstellt</translation>
    </message>
    <message>
        <source>Create Shortcut on Desktop</source>
        <translation>Verknüpfung auf dem Desktop erstellen</translation>
    </message>
    <message>
        <source>Add to &amp;Application Menu</source>
        <translation>Zum &amp;Anwendungsmenü hinzufügen</translation>
    </message>
    <message>
        <source>An error occurred when adding the shortcut to the application menu - %1</source>
        <translation>Beim Hinzufügen der Verknüpfung zum Anwendungsmenü ist ein Fehler aufgetreten - %1</translation>
    </message>
</context>
<context>
    <name>ulvanta::AboutDialog</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
</context>
<context>
    <name>ulvanta::AddApplicationsDialog</name>
    <message>
        <source>Add from Applications</source>
        <translation>Aus Anwendungen hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Filter:</source>
        <translation>&amp;Filter:</translation>
    </message>
    <message>
        <source>One &amp;section per menu category</source>
        <translation>Ein &amp;Abschnitt je Menükategorie</translation>
    </message>
    <message>
        <source>Add item at &amp;bottom of list</source>
        <translation>Eintrag am &amp;Ende der Liste hinzufügen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>Anwendungen</translation>
    </message>
</context>
<context>
    <name>ulvanta::ColourSettingDialog</name>
    <message>
        <source>Colour Picker</source>
        <translation>Farbauswahl</translation>
    </message>
    <message>
        <source>C&amp;hoose colour...</source>
        <translation>Farbe &amp;wählen...</translation>
    </message>
    <message>
        <source>&amp;Default colour</source>
        <translation>&amp;Standardfarbe</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Farbe</translation>
    </message>
</context>
<context>
    <name>ulvanta::Document</name>
    <message>
        <source>Nothing added - %1</source>
        <translation>Nichts hinzugefügt - %1</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Verschieben</translation>
    </message>
    <message>
        <source>Drop</source>
        <translation>Ablegen</translation>
    </message>
    <message>
        <source>New File %1</source>
        <translation>Neue Datei %1</translation>
    </message>
    <message>
        <source>%1 - Ulvanta Editor</source>
        <translation>%1 - Ulvanta Editor</translation>
    </message>
    <message>
        <source>%1 (%2) - Ulvanta Editor</source>
        <translation>%1 (%2) - Ulvanta Editor</translation>
    </message>
    <message>
        <source>Invalid file format (property &apos;%1&apos; is not known or out of order)</source>
        <translation>Ungültiges Dateiformat (Eigenschaft &apos;%1&apos; ist unbekannt oder steht an falscher Stelle)</translation>
    </message>
    <message>
        <source>Invalid file format (the last row is cut short)</source>
        <translation>Ungültiges Dateiformat (die letzte Zeile ist abgeschnitten)</translation>
    </message>
</context>
<context>
    <name>ulvanta::EditHistory</name>
    <message>
        <source>This change is too large to undo</source>
        <translation>Diese Änderung ist zu groß, um sie rückgängig zu machen</translation>
    </message>
</context>
<context>
    <name>ulvanta::FileSettingDialog</name>
    <message>
        <source>Choose File</source>
        <translation>Datei wählen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Browse for the file</source>
        <translation>Datei suchen</translation>
    </message>
</context>
<context>
    <name>ulvanta::FontDialog</name>
    <message>
        <source>Font</source>
        <translation>Schrift</translation>
    </message>
    <message>
        <source>Text colour:</source>
        <translation>Textfarbe:</translation>
    </message>
    <message>
        <source>C&amp;olour...</source>
        <translation>&amp;Farbe...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Farbe</translation>
    </message>
</context>
<context>
    <name>ulvanta::HelpWindow</name>
    <message>
        <source>Ulvanta Editor Help</source>
        <translation>Hilfe zu Ulvanta Editor</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Vorwärts</translation>
    </message>
    <message>
        <source>%1 - %2</source>
        <comment>page title, help title</comment>
        <translation>%1 - %2</translation>
    </message>
    <message>
        <source>Help page</source>
        <translation>Hilfeseite</translation>
    </message>
    <message>
        <source>The help pages are available in English only.</source>
        <translation>Die Hilfeseiten gibt es nur auf Englisch.</translation>
    </message>
</context>
<context>
    <name>ulvanta::HtmlTextDialog</name>
    <message>
        <source>Text Editor</source>
        <translation>Texteditor</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>ulvanta::IconDialog</name>
    <message>
        <source>Add an Icon</source>
        <translation>Symbol hinzufügen</translation>
    </message>
    <message>
        <source>Edit Icon %1</source>
        <translation>Symbol %1 bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>Über&amp;nehmen</translation>
    </message>
</context>
<context>
    <name>ulvanta::ImportDialog</name>
    <message>
        <source>Import Ulvanta File Items</source>
        <translation>Einträge aus Ulvanta-Datei importieren</translation>
    </message>
    <message>
        <source>&amp;File name:</source>
        <translation>&amp;Dateiname:</translation>
    </message>
    <message>
        <source>Choose an Ulvanta File to Import</source>
        <translation>Zu importierende Ulvanta-Datei wählen</translation>
    </message>
    <message>
        <source>New &amp;section name (optional):</source>
        <translation>Name des neuen &amp;Abschnitts (optional):</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Browse for the file to import</source>
        <translation>Zu importierende Datei suchen</translation>
    </message>
</context>
<context>
    <name>ulvanta::ItemActions</name>
    <message>
        <source>Add from Applications</source>
        <translation>Aus Anwendungen hinzufügen</translation>
    </message>
</context>
<context>
    <name>ulvanta::ItemList</name>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Befehl</translation>
    </message>
    <message>
        <source>Parameters</source>
        <translation>Parameter</translation>
    </message>
    <message>
        <source>Start In</source>
        <translation>Starten in</translation>
    </message>
    <message>
        <source>Icon</source>
        <translation>Symbol</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Ausführen als</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>Kommentare</translation>
    </message>
</context>
<context>
    <name>ulvanta::MainWindow</name>
    <message>
        <source>Open Error</source>
        <translation>Fehler beim Öffnen</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>&amp;Import Ulvanta File Items...</source>
        <translation>Einträge aus Ulvanta-Datei &amp;importieren...</translation>
    </message>
    <message>
        <source>&amp;Build...</source>
        <translation>Seite &amp;erstellen...</translation>
    </message>
    <message>
        <source>&amp;Run...</source>
        <translation>&amp;Ausführen...</translation>
    </message>
    <message>
        <source>Create Shortcut on &amp;Desktop...</source>
        <translation>&amp;Verknüpfung auf dem Desktop erstellen...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>&amp;Copy and paste</source>
        <translation>&amp;Kopieren und einfügen</translation>
    </message>
    <message>
        <source>&amp;Add icon...</source>
        <translation>&amp;Symbol hinzufügen...</translation>
    </message>
    <message>
        <source>Add se&amp;ction (above selected item)...</source>
        <translation>A&amp;bschnitt hinzufügen (über dem gewählten Eintrag)...</translation>
    </message>
    <message>
        <source>Add from &amp;Applications...</source>
        <translation>Aus &amp;Anwendungen hinzufügen...</translation>
    </message>
    <message>
        <source>&amp;Edit selected item...</source>
        <translation>Gewählten Eintrag b&amp;earbeiten...</translation>
    </message>
    <message>
        <source>&amp;Delete selected item...</source>
        <translation>Gewählten Eintrag &amp;löschen...</translation>
    </message>
    <message>
        <source>Move &amp;up</source>
        <translation>Nach &amp;oben</translation>
    </message>
    <message>
        <source>Move do&amp;wn</source>
        <translation>Nach &amp;unten</translation>
    </message>
    <message>
        <source>&amp;Rep&amp;lace...</source>
        <translation>Erset&amp;zen...</translation>
    </message>
    <message>
        <source>&amp;Swap Columns...</source>
        <translation>Spalten &amp;tauschen...</translation>
    </message>
    <message>
        <source>Edit &amp;property...</source>
        <translation>Eigenschaft &amp;ändern...</translation>
    </message>
    <message>
        <source>&amp;Reset properties...</source>
        <translation>Eigenschaften zurücksetze&amp;n...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>&amp;Send feedback...</source>
        <translation>&amp;Rückmeldung senden...</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>Ü&amp;ber...</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Werkzeugleiste</translation>
    </message>
    <message>
        <source>&amp;Icons</source>
        <translation>&amp;Symbole</translation>
    </message>
    <message>
        <source>&amp;Properties</source>
        <translation>&amp;Eigenschaften</translation>
    </message>
    <message>
        <source>&amp;HTML</source>
        <translation>HT&amp;ML</translation>
    </message>
    <message>
        <source>P&amp;review</source>
        <translation>&amp;Vorschau</translation>
    </message>
    <message>
        <source>New (Ctrl+N)</source>
        <translation>Neu (Strg+N)</translation>
    </message>
    <message>
        <source>Open (Ctrl+O)</source>
        <translation>Öffnen (Strg+O)</translation>
    </message>
    <message>
        <source>Save (Ctrl+S)</source>
        <translation>Speichern (Strg+S)</translation>
    </message>
    <message>
        <source>Build (F3)</source>
        <translation>Erstellen (F3)</translation>
    </message>
    <message>
        <source>Add icon (F4)</source>
        <translation>Symbol hinzufügen (F4)</translation>
    </message>
    <message>
        <source>Add section (above selected item) (F7)</source>
        <translation>Abschnitt hinzufügen (über dem gewählten Eintrag) (F7)</translation>
    </message>
    <message>
        <source>Edit (F2)</source>
        <translation>Bearbeiten (F2)</translation>
    </message>
    <message>
        <source>Delete (F8)</source>
        <translation>Löschen (F8)</translation>
    </message>
    <message>
        <source>Move up (Ctrl+U)</source>
        <translation>Nach oben (Strg+U)</translation>
    </message>
    <message>
        <source>Move down (Ctrl+D)</source>
        <translation>Nach unten (Strg+D)</translation>
    </message>
    <message>
        <source>Undo (Ctrl+Z)</source>
        <translation>Rückgängig (Strg+Z)</translation>
    </message>
    <message>
        <source>Redo (Ctrl+Y)</source>
        <translation>Wiederholen (Strg+Y)</translation>
    </message>
    <message>
        <source>Views</source>
        <translation>Ansichten</translation>
    </message>
    <message>
        <source>Icon list</source>
        <translation>Symbolliste</translation>
    </message>
    <message>
        <source>Property list</source>
        <translation>Eigenschaftenliste</translation>
    </message>
    <message>
        <source>Page HTML</source>
        <translation>HTML der Seite</translation>
    </message>
    <message>
        <source>Chec&amp;k Page</source>
        <translation>Seite &amp;prüfen</translation>
    </message>
</context>
<context>
    <name>ulvanta::ProblemList</name>
    <message>
        <source>Properties</source>
        <translation>Eigenschaften</translation>
    </message>
    <message>
        <source>No problems found</source>
        <translation>Keine Probleme gefunden</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Column</source>
        <translation>Spalte</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Meldung</translation>
    </message>
</context>
<context>
    <name>ulvanta::ProblemsPanel</name>
    <message>
        <source>Problems</source>
        <translation>Probleme</translation>
    </message>
    <message>
        <source>Check &amp;Online</source>
        <translation>&amp;Online prüfen</translation>
    </message>
    <message>
        <source>Check the web addresses online</source>
        <translation>Die Webadressen online prüfen</translation>
    </message>
</context>
<context>
    <name>ulvanta::PropertyList</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Einstellung</translation>
    </message>
</context>
<context>
    <name>ulvanta::RecoveryKeeper</name>
    <message>
        <source>Unsaved changes are not being kept: the recovery folder cannot be created.</source>
        <translation>Ungespeicherte Änderungen werden nicht aufbewahrt: Der Wiederherstellungsordner kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>%1 was not opened: unsaved changes of another document were recovered.</source>
        <translation>%1 wurde nicht geöffnet: Ungespeicherte Änderungen eines anderen Dokuments wurden wiederhergestellt.</translation>
    </message>
    <message>
        <source>never saved</source>
        <translation>nie gespeichert</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; (%2) has unsaved changes from an editor that did not end normally, last changed %3.  Do you want to recover them?</source>
        <translation>Die Datei &apos;%1&apos; (%2) hat ungespeicherte Änderungen aus einem Editor, der nicht normal beendet wurde, zuletzt geändert %3. Möchten Sie sie wiederherstellen?</translation>
    </message>
    <message>
        <source>Recover Unsaved Changes</source>
        <translation>Ungespeicherte Änderungen wiederherstellen</translation>
    </message>
    <message>
        <source>Open Error</source>
        <translation>Fehler beim Öffnen</translation>
    </message>
</context>
<context>
    <name>ulvanta::ReplaceDialog</name>
    <message>
        <source>Replace</source>
        <translation>Ersetzen</translation>
    </message>
    <message>
        <source>Fi&amp;nd what:</source>
        <translation>Such&amp;en nach:</translation>
    </message>
    <message>
        <source>Re&amp;place with:</source>
        <translation>Ersetzen &amp;durch:</translation>
    </message>
    <message>
        <source>Match &amp;case</source>
        <translation>&amp;Groß-/Kleinschreibung beachten</translation>
    </message>
    <message>
        <source>Replace in Columns</source>
        <translation>In Spalten ersetzen</translation>
    </message>
    <message>
        <source>&amp;Description</source>
        <translation>&amp;Beschreibung</translation>
    </message>
    <message>
        <source>Co&amp;mmand</source>
        <translation>Be&amp;fehl</translation>
    </message>
    <message>
        <source>Parame&amp;ters</source>
        <translation>&amp;Parameter</translation>
    </message>
    <message>
        <source>&amp;Start In</source>
        <translation>Starten &amp;in</translation>
    </message>
    <message>
        <source>&amp;Icon</source>
        <translation>S&amp;ymbol</translation>
    </message>
    <message>
        <source>C&amp;omments</source>
        <translation>&amp;Kommentare</translation>
    </message>
    <message>
        <source>Replace &amp;All</source>
        <translation>Alle e&amp;rsetzen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>ulvanta::SectionDialog</name>
    <message>
        <source>Add Section</source>
        <translation>Abschnitt hinzufügen</translation>
    </message>
    <message>
        <source>Edit Section %1</source>
        <translation>Abschnitt %1 bearbeiten</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>&amp;Columns (1 minimum):</source>
        <translation>&amp;Spalten (mindestens 1):</translation>
    </message>
    <message>
        <source>Icon &amp;size (16 minimum):</source>
        <translation>Symbol&amp;größe (mindestens 16):</translation>
    </message>
    <message>
        <source>Icons &amp;above</source>
        <translation>Symbole &amp;oberhalb</translation>
    </message>
    <message>
        <source>&amp;Table border</source>
        <translation>&amp;Tabellenrahmen</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>ulvanta::SwapColumnsDialog</name>
    <message>
        <source>Swap Columns</source>
        <translation>Spalten tauschen</translation>
    </message>
    <message>
        <source>S&amp;wap Columns</source>
        <translation>Spalten &amp;tauschen</translation>
    </message>
    <message>
        <source>Mo&amp;ve Column</source>
        <translation>Spalte &amp;verschieben</translation>
    </message>
    <message>
        <source>&amp;Copy Column</source>
        <translation>Spalte &amp;kopieren</translation>
    </message>
    <message>
        <source>&amp;Description</source>
        <translation>&amp;Beschreibung</translation>
    </message>
    <message>
        <source>C&amp;ommand</source>
        <translation>Be&amp;fehl</translation>
    </message>
    <message>
        <source>&amp;Parameters</source>
        <translation>&amp;Parameter</translation>
    </message>
    <message>
        <source>S&amp;tart in</source>
        <translation>&amp;Starten in</translation>
    </message>
    <message>
        <source>&amp;Icon</source>
        <translation>S&amp;ymbol</translation>
    </message>
    <message>
        <source>Comm&amp;ents</source>
        <translation>Ko&amp;mmentare</translation>
    </message>
    <message>
        <source>Desc&amp;ription</source>
        <translation>Beschreib&amp;ung</translation>
    </message>
    <message>
        <source>Co&amp;mmand</source>
        <translation>Befe&amp;hl</translation>
    </message>
    <message>
        <source>P&amp;arameters</source>
        <translation>P&amp;arameter</translation>
    </message>
    <message>
        <source>Start&amp; in</source>
        <translation>Starten &amp;in</translation>
    </message>
    <message>
        <source>Ico&amp;n</source>
        <translation>Symb&amp;ol</translation>
    </message>
    <message>
        <source>Comment&amp;s</source>
        <translation>Komm&amp;entare</translation>
    </message>
    <message>
        <source>First Column</source>
        <translation>Erste Spalte</translation>
    </message>
    <message>
        <source>Second Column</source>
        <translation>Zweite Spalte</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>ulvanta::ThemeIconDialog</name>
    <message>
        <source>Choose Icon</source>
        <translation>Symbol wählen</translation>
    </message>
    <message>
        <source>&amp;Filter:</source>
        <translation>&amp;Filter:</translation>
    </message>
    <message>
        <source>Filter icons by name</source>
        <translation>Symbole nach Namen filtern</translation>
    </message>
    <message>
        <source>Icons</source>
        <translation>Symbole</translation>
    </message>
    <message>
        <source>Reading the icon themes...</source>
        <translation>Symbolthemen werden gelesen...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>No icons found.</source>
        <translation>Keine Symbole gefunden.</translation>
    </message>
    <message>
        <source>%1 of %2 icons</source>
        <translation>%1 von %2 Symbolen</translation>
    </message>
</context>
<context>
    <name>ulvanta::ToolActions</name>
    <message>
        <source>Could not find the help file &apos;%1&apos;.</source>
        <translation>Die Hilfedatei &apos;%1&apos; wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>No mail program could be started. Please send your feedback to %1.</source>
        <translation>Es konnte kein E-Mail-Programm gestartet werden. Bitte senden Sie Ihre Rückmeldung an %1.</translation>
    </message>
    <message>
        <source>Send feedback</source>
        <translation>Rückmeldung senden</translation>
    </message>
</context>
<context>
    <name>ulvanta::intake::DesktopEntry</name>
    <message>
        <source>Invalid file format (a line is longer than 64 KiB)</source>
        <translation>Ungültiges Dateiformat (eine Zeile ist länger als 64 KiB)</translation>
    </message>
    <message>
        <source>Invalid file format (larger than 1 MiB)</source>
        <translation>Ungültiges Dateiformat (größer als 1 MiB)</translation>
    </message>
    <message>
        <source>is refused - %1</source>
        <translation>wird abgelehnt - %1</translation>
    </message>
    <message>
        <source>is a link that would start a program</source>
        <translation>ist eine Verknüpfung, die ein Programm starten würde</translation>
    </message>
    <message>
        <source>is not a desktop entry</source>
        <translation>ist kein Desktop-Eintrag</translation>
    </message>
    <message>
        <source>has no Name</source>
        <translation>hat keinen Namen</translation>
    </message>
    <message>
        <source>is a link without a URL</source>
        <translation>ist eine Verknüpfung ohne URL</translation>
    </message>
    <message>
        <source>is neither an application nor a link</source>
        <translation>ist weder eine Anwendung noch eine Verknüpfung</translation>
    </message>
    <message>
        <source>has no Exec</source>
        <translation>hat keine Exec-Zeile</translation>
    </message>
    <message>
        <source>has an Exec line that names no program</source>
        <translation>hat eine Exec-Zeile, die kein Programm nennt</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>kann nicht gelesen werden</translation>
    </message>
</context>
<context>
    <name>ulvanta::intake::IntakeNotes</name>
    <message numerus="yes">
        <source>%n link(s) skipped: it would start a program</source>
        <translation>
            <numerusform>%n Verknüpfung übersprungen: Sie würde ein Programm starten</numerusform>
            <numerusform>%n Verknüpfungen übersprungen: Sie würden Programme starten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n title(s) changed so that it does not read as a section</source>
        <translation>
            <numerusform>%n Titel geändert, damit er nicht als Abschnitt gelesen wird</numerusform>
            <numerusform>%n Titel geändert, damit sie nicht als Abschnitte gelesen werden</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ulvanta::launcher::KeyFinder</name>
    <message>
        <source>Find: %1</source>
        <translation>Suchen: %1</translation>
    </message>
</context>
<context>
    <name>ulvanta::launcher::LauncherWindow</name>
    <message>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Aktualisieren</translation>
    </message>
    <message>
        <source>Mi&amp;nimise</source>
        <translation>Mi&amp;nimieren</translation>
    </message>
    <message>
        <source>Ma&amp;ximise</source>
        <translation>Ma&amp;ximieren</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>B&amp;eenden</translation>
    </message>
    <message>
        <source>Open Error</source>
        <translation>Fehler beim Öffnen</translation>
    </message>
    <message>
        <source>Open a Page</source>
        <translation>Seite öffnen</translation>
    </message>
    <message>
        <source>No program is set to open &apos;%1&apos;</source>
        <translation>Kein Programm ist zum Öffnen von &apos;%1&apos; eingestellt</translation>
    </message>
    <message>
        <source>Run Error</source>
        <translation>Fehler beim Ausführen</translation>
    </message>
    <message>
        <source>The page asks for the window command &apos;%1&apos;, which the launcher does not have.</source>
        <translation>Die Seite verlangt den Fensterbefehl &apos;%1&apos;, den der Starter nicht kennt.</translation>
    </message>
    <message>
        <source>This page does not name the document it was built from, so there is nothing to edit.</source>
        <translation>Diese Seite nennt nicht das Dokument, aus dem sie erstellt wurde; es gibt nichts zu bearbeiten.</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
</context>
</TS>
