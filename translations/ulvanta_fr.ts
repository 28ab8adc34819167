<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>BrowserEngine</name>
    <message>
        <source>The page cannot be shown: the browser engine stopped (exit code %1).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BuildController</name>
    <message>
        <source>Built %1: %n icon, %2 extracted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Built %1: %n icons, %2 extracted</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>IconDialog</name>
    <message>
        <source>* &amp;Description:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>* &amp;Command:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse for File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse for the command&apos;s file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse for Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse for the command&apos;s folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Parameters:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse for a parameter file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse for a parameter folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Start in:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse for the start-in folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Icon:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse for the icon file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse for the icon&apos;s folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Run:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Co&amp;mments:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Icon preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add a&amp;nd close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Link to &amp;Ulvanta file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse for Ulvanta File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open in new window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add item at &amp;bottom of list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear &amp;TextBoxes after adding</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>* - mandatory field</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Launcher</name>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--quiet needs a page</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PreviewLoader</name>
    <message>
        <source>The preview cannot be shown: its module did not load (%1).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ulvanta::Document</name>
    <message>
        <source>Nothing added - %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ulvanta::EditHistory</name>
    <message>
        <source>This change is too large to undo</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ulvanta::RecoveryKeeper</name>
    <message>
        <source>Unsaved changes are not being kept: the recovery folder cannot be created.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was not opened: unsaved changes of another document were recovered.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ulvanta::intake::DesktopEntry</name>
    <message>
        <source>Invalid file format (a line is longer than 64 KiB)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid file format (larger than 1 MiB)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is refused - %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is a link that would start a program</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ulvanta::launcher::LauncherWindow</name>
    <message>
        <source>&amp;Open...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mi&amp;nimise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ma&amp;ximise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open a Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No program is set to open &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The page asks for the window command &apos;%1&apos;, which the launcher does not have.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This page does not name the document it was built from, so there is nothing to edit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
