<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>BrowserEngine</name>
    <message>
        <source>The page cannot be shown: the browser engine stopped (exit code %1).</source>
        <translation>La page ne peut pas être affichée : le moteur du navigateur s&apos;est arrêté (code de sortie %1).</translation>
    </message>
</context>
<context>
    <name>BuildController</name>
    <message>
        <source>There are no icons in the list.  Do you still want to build the HTML file?</source>
        <translation>La liste ne contient aucune icône. Voulez-vous quand même générer le fichier HTML ?</translation>
    </message>
    <message>
        <source>No Items in List</source>
        <translation>Aucun élément dans la liste</translation>
    </message>
    <message>
        <source>Build the HTML File</source>
        <translation>Générer le fichier HTML</translation>
    </message>
    <message>
        <source>Build Error</source>
        <translation>Erreur de génération</translation>
    </message>
    <message>
        <source>Build</source>
        <translation>Générer</translation>
    </message>
    <message numerus="yes">
        <source>Built %1: %n icon(s), %2 extracted</source>
        <translation>
            <numerusform>%1 généré : %n icône, %2 extraite(s)</numerusform>
            <numerusform>%1 généré : %n icônes, %2 extraite(s)</numerusform>
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
        <translation>Utilisation : ulvanta-build DOC.pmf [OUT.htm]
                ulvanta-build --check [--online] DOC.pmf
  DOC.pmf          afficher la page du fichier Ulvanta
  DOC.pmf OUT.htm  générer la page dans OUT.htm et son dossier d&apos;icônes
  --check          vérifier les programmes, dossiers et fichiers dont la page dépend ;
                   une ligne par problème, code de sortie 1 s&apos;il y en a
  --online         avec --check, interroger aussi chaque adresse http et https
  --help           afficher cette aide
  --version        afficher la version
</translation>
    </message>
    <message>
        <source>ulvanta-build: unknown option &apos;%1&apos;</source>
        <translation>ulvanta-build : option inconnue « %1 »</translation>
    </message>
    <message>
        <source>The page could not be written - %1</source>
        <translation>La page n&apos;a pas pu être écrite - %1</translation>
    </message>
    <message>
        <source>The page could not be generated - %1</source>
        <translation>La page n&apos;a pas pu être générée - %1</translation>
    </message>
</context>
<context>
    <name>ColumnSwap</name>
    <message>
        <source>Swap Columns</source>
        <translation>Intervertir les colonnes</translation>
    </message>
    <message>
        <source>Move Column</source>
        <translation>Déplacer la colonne</translation>
    </message>
    <message>
        <source>Copy Column</source>
        <translation>Dupliquer la colonne</translation>
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
        <translation>Utilisation : ulvanta-editor [DOC.pmf]
  DOC.pmf    ouvrir le fichier Ulvanta (toute la ligne est son chemin)
  --help     afficher cette aide
  --version  afficher la version
</translation>
    </message>
    <message>
        <source>Bad file name or number (the name is not valid in the system&apos;s file name encoding)</source>
        <translation>Nom ou numéro de fichier incorrect (le nom n&apos;est pas valide dans l&apos;encodage des noms de fichier du système)</translation>
    </message>
</context>
<context>
    <name>DroppedItems</name>
    <message>
        <source>%1 is neither a file nor a web address</source>
        <translation>%1 n&apos;est ni un fichier ni une adresse web</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1 ne peut pas être lu</translation>
    </message>
    <message>
        <source>Nothing to add: the drop holds no file or web address</source>
        <translation>Rien à ajouter : le dépôt ne contient ni fichier ni adresse web</translation>
    </message>
    <message>
        <source>Not added: %1</source>
        <translation>Non ajouté : %1</translation>
    </message>
    <message>
        <source>%1 items not added; the first: %2</source>
        <translation>%1 éléments non ajoutés ; le premier : %2</translation>
    </message>
</context>
<context>
    <name>EditStep</name>
    <message>
        <source>Edit Description</source>
        <translation>Modifier la description</translation>
    </message>
</context>
<context>
    <name>EntryContainer</name>
    <message>
        <source>Invalid file format (%1)</source>
        <translation>Format de fichier non valide (%1)</translation>
    </message>
    <message>
        <source>the file is too large</source>
        <translation>le fichier est trop grand</translation>
    </message>
    <message>
        <source>the file is too short</source>
        <translation>le fichier est trop court</translation>
    </message>
    <message>
        <source>the header is not %1</source>
        <translation>l&apos;en-tête n&apos;est pas %1</translation>
    </message>
    <message>
        <source>the file holds fewer entries than it says</source>
        <translation>le fichier contient moins d&apos;entrées qu&apos;il n&apos;en annonce</translation>
    </message>
    <message>
        <source>entry %1 lies outside the file</source>
        <translation>l&apos;entrée %1 se trouve hors du fichier</translation>
    </message>
    <message>
        <source>entry %1 overlaps another or is out of order</source>
        <translation>l&apos;entrée %1 en chevauche une autre ou est mal placée</translation>
    </message>
    <message>
        <source>an entry lies outside the file</source>
        <translation>une entrée se trouve hors du fichier</translation>
    </message>
</context>
<context>
    <name>Error</name>
    <message>
        <source>Overflow</source>
        <translation>Dépassement de capacité</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Mémoire insuffisante</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Incompatibilité de type</translation>
    </message>
    <message>
        <source>Bad file name or number</source>
        <translation>Nom ou numéro de fichier incorrect</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Fichier introuvable</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>Disque plein</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Permission refusée</translation>
    </message>
    <message>
        <source>Path/File access error</source>
        <translation>Erreur d&apos;accès au chemin ou au fichier</translation>
    </message>
    <message>
        <source>Path not found</source>
        <translation>Chemin introuvable</translation>
    </message>
    <message>
        <source>Invalid file format</source>
        <translation>Format de fichier non valide</translation>
    </message>
    <message>
        <source>Application-defined or object-defined error</source>
        <translation>Erreur définie par l&apos;application ou par l&apos;objet</translation>
    </message>
</context>
<context>
    <name>ErrorMessages</name>
    <message>
        <source>An error occurred when attempting to open the file &apos;%1&apos; - %2</source>
        <translation>Une erreur s&apos;est produite lors de l&apos;ouverture du fichier « %1 » - %2</translation>
    </message>
    <message>
        <source>An error occurred when attempting to save the file &apos;%1&apos; - %2</source>
        <translation>Une erreur s&apos;est produite lors de l&apos;enregistrement du fichier « %1 » - %2</translation>
    </message>
    <message>
        <source>An error occurred when attempting to import the file &apos;%1&apos; - %2</source>
        <translation>Une erreur s&apos;est produite lors de l&apos;importation du fichier « %1 » - %2</translation>
    </message>
    <message>
        <source>An error occurred when attempting to build the HTML file &apos;%1&apos; - %2</source>
        <translation>Une erreur s&apos;est produite lors de la génération du fichier HTML « %1 » - %2</translation>
    </message>
    <message>
        <source>An error occurred when running the command - &apos;%1&apos; - %2</source>
        <translation>Une erreur s&apos;est produite lors de l&apos;exécution de la commande - « %1 » - %2</translation>
    </message>
</context>
<context>
    <name>FileController</name>
    <message>
        <source>The file &apos;%1&apos;  has changed.  Do you want to save the changes?</source>
        <translation>Le fichier « %1 » a été modifié. Voulez-vous enregistrer les modifications ?</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; (&apos;%2&apos;) has changed.  Do you want to save the changes?</source>
        <translation>Le fichier « %1 » (« %2 ») a été modifié. Voulez-vous enregistrer les modifications ?</translation>
    </message>
    <message>
        <source>Ulvanta Editor</source>
        <translation>Ulvanta Editor</translation>
    </message>
    <message>
        <source>Open Error</source>
        <translation>Erreur d&apos;ouverture</translation>
    </message>
    <message>
        <source>Open an Ulvanta File</source>
        <translation>Ouvrir un fichier Ulvanta</translation>
    </message>
    <message>
        <source>Save Error</source>
        <translation>Erreur d&apos;enregistrement</translation>
    </message>
    <message>
        <source>Save the Ulvanta File</source>
        <translation>Enregistrer le fichier Ulvanta</translation>
    </message>
    <message>
        <source>Ulvanta File (*.pmf)|*.pmf|All files (*.*)|*.*</source>
        <translation>Fichier Ulvanta (*.pmf)|*.pmf|Tous les fichiers (*.*)|*.*</translation>
    </message>
</context>
<context>
    <name>IconDialog</name>
    <message>
        <source>* &amp;Description:</source>
        <translation>* &amp;Description :</translation>
    </message>
    <message>
        <source>* &amp;Command:</source>
        <translation>* &amp;Commande :</translation>
    </message>
    <message>
        <source>Browse for File</source>
        <translation>Parcourir les fichiers</translation>
    </message>
    <message>
        <source>Browse for the command&apos;s file</source>
        <translation>Chercher le fichier de la commande</translation>
    </message>
    <message>
        <source>Browse for Folder</source>
        <translation>Parcourir les dossiers</translation>
    </message>
    <message>
        <source>Browse for the command&apos;s folder</source>
        <translation>Chercher le dossier de la commande</translation>
    </message>
    <message>
        <source>&amp;Parameters:</source>
        <translation>&amp;Paramètres :</translation>
    </message>
    <message>
        <source>Browse for a parameter file</source>
        <translation>Chercher un fichier comme paramètre</translation>
    </message>
    <message>
        <source>Browse for a parameter folder</source>
        <translation>Chercher un dossier comme paramètre</translation>
    </message>
    <message>
        <source>&amp;Start in:</source>
        <translation>Dossie&amp;r de départ :</translation>
    </message>
    <message>
        <source>Browse for the start-in folder</source>
        <translation>Chercher le dossier de départ</translation>
    </message>
    <message>
        <source>&amp;Icon:</source>
        <translation>&amp;Icône :</translation>
    </message>
    <message>
        <source>Browse for the icon file</source>
        <translation>Chercher le fichier de l&apos;icône</translation>
    </message>
    <message>
        <source>Browse for the icon&apos;s folder</source>
        <translation>Chercher le dossier de l&apos;icône</translation>
    </message>
    <message>
        <source>&amp;Run:</source>
        <translation>E&amp;xécution :</translation>
    </message>
    <message>
        <source>Co&amp;mments:</source>
        <translation>Co&amp;mmentaires :</translation>
    </message>
    <message>
        <source>Icon preview</source>
        <translation>Aperçu de l&apos;icône</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Add a&amp;nd close</source>
        <translation>Ajouter et &amp;fermer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Link to &amp;Ulvanta file</source>
        <translation>Lien vers un fichier &amp;Ulvanta</translation>
    </message>
    <message>
        <source>Browse for Ulvanta File</source>
        <translation>Chercher un fichier Ulvanta</translation>
    </message>
    <message>
        <source>&amp;Open in new window</source>
        <translation>&amp;Ouvrir dans une nouvelle fenêtre</translation>
    </message>
    <message>
        <source>Add item at &amp;bottom of list</source>
        <translation>Ajouter l&apos;élément en &amp;bas de la liste</translation>
    </message>
    <message>
        <source>Clear &amp;TextBoxes after adding</source>
        <translation>&amp;Vider les champs après l&apos;ajout</translation>
    </message>
    <message>
        <source>* - mandatory field</source>
        <translation>* - champ obligatoire</translation>
    </message>
    <message>
        <source>&amp;From Theme...</source>
        <translation>Depuis le &amp;thème...</translation>
    </message>
    <message>
        <source>Choose an icon of the desktop&apos;s icon theme</source>
        <translation>Choisir une icône du thème d&apos;icônes du bureau</translation>
    </message>
    <message>
        <source>Choose the icon from the icon theme</source>
        <translation>Choisir l&apos;icône dans le thème d&apos;icônes</translation>
    </message>
</context>
<context>
    <name>IconEntry</name>
    <message>
        <source>Edit Error</source>
        <translation>Erreur de modification</translation>
    </message>
    <message>
        <source>Add Error</source>
        <translation>Erreur d&apos;ajout</translation>
    </message>
    <message>
        <source>You must enter a description for this icon</source>
        <translation>Vous devez saisir une description pour cette icône</translation>
    </message>
    <message>
        <source>You must enter a command for this icon</source>
        <translation>Vous devez saisir une commande pour cette icône</translation>
    </message>
    <message>
        <source>The description cannot start with the word &apos;SECTION:&apos;</source>
        <translation>La description ne peut pas commencer par le mot « SECTION: »</translation>
    </message>
    <message>
        <source>Edit Icon</source>
        <translation>Modifier l&apos;icône</translation>
    </message>
    <message>
        <source>Add Icon</source>
        <translation>Ajouter une icône</translation>
    </message>
    <message>
        <source>Browse for Command</source>
        <translation>Chercher la commande</translation>
    </message>
    <message>
        <source>&amp;Choose a Drive/Folder for the command:</source>
        <translation>&amp;Choisir un lecteur ou dossier pour la commande :</translation>
    </message>
    <message>
        <source>Browse for Parameter</source>
        <translation>Chercher le paramètre</translation>
    </message>
    <message>
        <source>&amp;Choose a Drive/Folder for the parameters:</source>
        <translation>&amp;Choisir un lecteur ou dossier pour les paramètres :</translation>
    </message>
    <message>
        <source>&amp;Choose a Start In Drive/Folder:</source>
        <translation>&amp;Choisir le lecteur ou dossier de départ :</translation>
    </message>
    <message>
        <source>Choose an Icon</source>
        <translation>Choisir une icône</translation>
    </message>
    <message>
        <source>&amp;Choose a Drive/Folder for the icon:</source>
        <translation>&amp;Choisir un lecteur ou dossier pour l&apos;icône :</translation>
    </message>
    <message>
        <source>All Executables (*.exe;*.com;*.bat)|*.exe;*.com;*.bat|Application (*.exe)|*.exe|MS-DOS Application (*.com)|*.com|MS-DOS Batch File (*.bat)|*.bat|</source>
        <translation>Tous les exécutables (*.exe;*.com;*.bat)|*.exe;*.com;*.bat|Application (*.exe)|*.exe|Application MS-DOS (*.com)|*.com|Fichier de commandes MS-DOS (*.bat)|*.bat|</translation>
    </message>
    <message>
        <source>All Icons (*.ico;*.bmp;*.gif;*.jpg;*.jpeg;*.jpe;*.jfif;*.exe)|*.ico;*.bmp;*.gif;*.jpg;*.jpeg;*.jpe;*.jfif;*.exe|Icon (*.ico)|*.ico|Bitmap Image (*.bmp)|*.bmp|GIF Image (*.gif)|*.gif|JPEG Images (*.jpg;*.jpeg;*.jpe;*.jfif)|*.jpg;*.jpeg;*.jpe;*.jfif|Application (*.exe)|*.exe|</source>
        <translation>Toutes les icônes (*.ico;*.bmp;*.gif;*.jpg;*.jpeg;*.jpe;*.jfif;*.exe)|*.ico;*.bmp;*.gif;*.jpg;*.jpeg;*.jpe;*.jfif;*.exe|Icône (*.ico)|*.ico|Image bitmap (*.bmp)|*.bmp|Image GIF (*.gif)|*.gif|Images JPEG (*.jpg;*.jpeg;*.jpe;*.jfif)|*.jpg;*.jpeg;*.jpe;*.jfif|Application (*.exe)|*.exe|</translation>
    </message>
    <message>
        <source>All Files (*.*)|*.*</source>
        <translation>Tous les fichiers (*.*)|*.*</translation>
    </message>
</context>
<context>
    <name>IconStart</name>
    <message>
        <source>Path not found (&apos;%1&apos;)</source>
        <translation>Chemin introuvable (« %1 »)</translation>
    </message>
    <message>
        <source>%1 (not in PATH)</source>
        <translation>%1 (absent du PATH)</translation>
    </message>
    <message>
        <source>Missing: %1

To find every missing program, folder and picture of this page, open it in the editor and choose File &gt; Check Page (Ctrl+K).</source>
        <translation>Introuvable : %1

Pour trouver tous les programmes, dossiers et images manquants de cette page, ouvrez-la dans l&apos;éditeur et choisissez Fichier &gt; Vérifier la page (Ctrl+K).</translation>
    </message>
</context>
<context>
    <name>ImportController</name>
    <message>
        <source>Import Error</source>
        <translation>Erreur d&apos;importation</translation>
    </message>
    <message>
        <source>Choose an Ulvanta File to Import</source>
        <translation>Choisir le fichier Ulvanta à importer</translation>
    </message>
    <message>
        <source>|Bookmarks (*.html;*.htm)|*.html;*.htm</source>
        <translation>|Signets (*.html;*.htm)|*.html;*.htm</translation>
    </message>
    <message>
        <source>No items were found in the file</source>
        <translation>Aucun élément n&apos;a été trouvé dans le fichier</translation>
    </message>
    <message numerus="yes">
        <source>%1 item(s) were successfully added</source>
        <translation>
            <numerusform>%1 élément a été ajouté avec succès</numerusform>
            <numerusform>%1 éléments ont été ajoutés avec succès</numerusform>
        </translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>Could not find the file &apos;%1&apos;. Please check the filename and try again.</source>
        <translation>Le fichier « %1 » est introuvable. Vérifiez le nom du fichier et réessayez.</translation>
    </message>
    <message>
        <source>Import Result</source>
        <translation>Résultat de l&apos;importation</translation>
    </message>
</context>
<context>
    <name>Launcher</name>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>option inconnue « %1 »</translation>
    </message>
    <message>
        <source>--quiet needs a page</source>
        <translation>--quiet demande une page</translation>
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
        <translation>Utilisation : %1 [--quiet] [PAGE]
Affiche une page de lanceur dans une fenêtre et lance des programmes quand on clique sur ses icônes.
Sans PAGE, une boîte de dialogue demande un fichier.

  --quiet    signaler les échecs sur la sortie d&apos;erreur et finir avec le code 1
             au lieu d&apos;afficher une boîte de message
  --help     afficher ce texte
  --version  afficher la version du programme
</translation>
    </message>
    <message>
        <source>Open Error: %1
</source>
        <translation>Erreur d&apos;ouverture : %1
</translation>
    </message>
    <message>
        <source>There is no display to show the page on.
</source>
        <translation>Aucun écran ne permet d&apos;afficher la page.
</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos;.
</source>
        <translation>%1 : %2
Essayez « %1 --help ».
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
Dans la fenêtre, tapez une partie de la description d&apos;une icône, ou les
initiales de ses mots, pour la trouver ; Entrée lance la première icône trouvée.
Origine et les flèches passent d&apos;une icône à l&apos;autre, Entrée ou Espace lance
celle qui a le focus. Échap efface la saisie ; un second Échap ferme la fenêtre
si la page le permet.
</translation>
    </message>
</context>
<context>
    <name>LauncherWindow</name>
    <message>
        <source>HTML Document (*.htm;*.html)|*.htm;*.html|All files (*.*)|*.*</source>
        <translation>Document HTML (*.htm;*.html)|*.htm;*.html|Tous les fichiers (*.*)|*.*</translation>
    </message>
</context>
<context>
    <name>ListController</name>
    <message>
        <source>Are you sure you want to delete the selected item?</source>
        <translation>Voulez-vous vraiment supprimer l&apos;élément choisi ?</translation>
    </message>
    <message>
        <source>Delete Icon(s)</source>
        <translation>Supprimer des icônes</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Monter</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Descendre</translation>
    </message>
</context>
<context>
    <name>PageCheck</name>
    <message>
        <source>folder does not exist: %1</source>
        <translation>le dossier n&apos;existe pas : %1</translation>
    </message>
    <message>
        <source>folder is not writable: %1</source>
        <translation>le dossier n&apos;est pas accessible en écriture : %1</translation>
    </message>
    <message>
        <source>not an address with a scheme: %1</source>
        <translation>pas une adresse avec un schéma : %1</translation>
    </message>
    <message>
        <source>pm: and pmc: addresses cannot be linked: %1</source>
        <translation>les adresses pm: et pmc: ne peuvent pas être liées : %1</translation>
    </message>
    <message>
        <source>no command</source>
        <translation>aucune commande</translation>
    </message>
    <message>
        <source>the launcher does not open this address: %1</source>
        <translation>le lanceur n&apos;ouvre pas cette adresse : %1</translation>
    </message>
    <message>
        <source>program not found: %1 (not in PATH)</source>
        <translation>programme introuvable : %1 (absent du PATH)</translation>
    </message>
    <message>
        <source>file not found: %1</source>
        <translation>fichier introuvable : %1</translation>
    </message>
    <message>
        <source>file cannot be read: %1</source>
        <translation>fichier illisible : %1</translation>
    </message>
    <message>
        <source>program cannot be run: %1 (no permission)</source>
        <translation>le programme ne peut pas être exécuté : %1 (aucune permission)</translation>
    </message>
    <message>
        <source>program cannot be run: %1 (interpreter not found: %2)</source>
        <translation>le programme ne peut pas être exécuté : %1 (interpréteur introuvable : %2)</translation>
    </message>
    <message>
        <source>not a readable image: %1</source>
        <translation>image illisible : %1</translation>
    </message>
</context>
<context>
    <name>PreviewFile</name>
    <message>
        <source>The page could not be generated - %1</source>
        <translation>La page n&apos;a pas pu être générée - %1</translation>
    </message>
    <message>
        <source>The preview file &apos;%1&apos; could not be written - %2</source>
        <translation>Le fichier d&apos;aperçu « %1 » n&apos;a pas pu être écrit - %2</translation>
    </message>
</context>
<context>
    <name>PreviewLoader</name>
    <message>
        <source>The preview cannot be shown: its module did not load (%1).</source>
        <translation>L&apos;aperçu ne peut pas être affiché : son module ne s&apos;est pas chargé (%1).</translation>
    </message>
</context>
<context>
    <name>PreviewView</name>
    <message>
        <source>Page preview</source>
        <translation>Aperçu de la page</translation>
    </message>
</context>
<context>
    <name>PropertyController</name>
    <message>
        <source>%1 Error</source>
        <translation>Erreur : %1</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a number, please try again</source>
        <translation>« %1 » n&apos;est pas un nombre, veuillez réessayer</translation>
    </message>
    <message>
        <source>The number must be %1 or higher</source>
        <translation>Le nombre doit être supérieur ou égal à %1</translation>
    </message>
    <message>
        <source>The number must be %1 or lower</source>
        <translation>Le nombre doit être inférieur ou égal à %1</translation>
    </message>
    <message>
        <source>This property requires that the file is saved.  Do you want to save now?</source>
        <translation>Cette propriété exige que le fichier soit enregistré. Voulez-vous l&apos;enregistrer maintenant ?</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Enregistrer le fichier</translation>
    </message>
    <message>
        <source>Type the window title:</source>
        <translation>Saisissez le titre de la fenêtre :</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the properties?</source>
        <translation>Voulez-vous vraiment réinitialiser les propriétés ?</translation>
    </message>
    <message>
        <source>Reset Properties</source>
        <translation>Réinitialiser les propriétés</translation>
    </message>
    <message>
        <source>All Picture Formats (*.gif;*.jpg;*.jpeg;*.jpe;*.jfif;*.png;*.bmp)|*.gif;*.jpg;*.jpeg;*.jpe;*.jfif;*.png;*.bmp|Gif Format (*.gif)|*.gif|JPEG Format (*.jpg;*.jpeg;*.jpe;*.jfif)|*.jpg;*.jpeg;*.jpe;*.jfif|Portable Network Graphics (*.png)|*.png|Bitmap Image (*.bmp)|*.bmp</source>
        <translation>Tous les formats d&apos;image (*.gif;*.jpg;*.jpeg;*.jpe;*.jfif;*.png;*.bmp)|*.gif;*.jpg;*.jpeg;*.jpe;*.jfif;*.png;*.bmp|Format GIF (*.gif)|*.gif|Format JPEG (*.jpg;*.jpeg;*.jpe;*.jfif)|*.jpg;*.jpeg;*.jpe;*.jfif|Portable Network Graphics (*.png)|*.png|Image bitmap (*.bmp)|*.bmp</translation>
    </message>
    <message>
        <source>Icon (*.ico)|*.ico</source>
        <translation>Icône (*.ico)|*.ico</translation>
    </message>
    <message>
        <source>Cascading Style Sheet (*.css)|*.css</source>
        <translation>Feuille de style CSS (*.css)|*.css</translation>
    </message>
    <message>
        <source>HTML Document (*.htm;*.html)|*.htm;*.html</source>
        <translation>Document HTML (*.htm;*.html)|*.htm;*.html</translation>
    </message>
    <message>
        <source>Choose a Background Picture</source>
        <translation>Choisir une image d&apos;arrière-plan</translation>
    </message>
    <message>
        <source>How many columns do you want?</source>
        <translation>Combien de colonnes voulez-vous ?</translation>
    </message>
    <message>
        <source>Type the Font size:</source>
        <translation>Tapez la taille de police :</translation>
    </message>
    <message>
        <source>Window height (pixels):</source>
        <translation>Hauteur de la fenêtre (pixels) :</translation>
    </message>
    <message>
        <source>Choose an Icon</source>
        <translation>Choisir une icône</translation>
    </message>
    <message>
        <source>Icon size (16 minimum):</source>
        <translation>Taille des icônes (16 minimum) :</translation>
    </message>
    <message>
        <source>Window width (pixels):</source>
        <translation>Largeur de la fenêtre (pixels) :</translation>
    </message>
    <message>
        <source>Choose a Style Sheet</source>
        <translation>Choisir une feuille de style</translation>
    </message>
    <message>
        <source>HTML File Location</source>
        <translation>Emplacement du fichier HTML</translation>
    </message>
</context>
<context>
    <name>PropertyDialogs</name>
    <message>
        <source>&amp;HTML File Location:</source>
        <translation>Emplacement du fichier &amp;HTML :</translation>
    </message>
    <message>
        <source>|All Files (*.*)|*.*</source>
        <translation>|Tous les fichiers (*.*)|*.*</translation>
    </message>
</context>
<context>
    <name>PropertyTable</name>
    <message>
        <source>Background colour</source>
        <translation>Couleur d&apos;arrière-plan</translation>
    </message>
    <message>
        <source>Background picture</source>
        <translation>Image d&apos;arrière-plan</translation>
    </message>
    <message>
        <source>Closable</source>
        <translation>Fermable</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Colonnes</translation>
    </message>
    <message>
        <source>Extra commands</source>
        <translation>Commandes supplémentaires</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Police</translation>
    </message>
    <message>
        <source>Font bold</source>
        <translation>Police en gras</translation>
    </message>
    <message>
        <source>Font italic</source>
        <translation>Police en italique</translation>
    </message>
    <message>
        <source>Font size</source>
        <translation>Taille de police</translation>
    </message>
    <message>
        <source>Font strikethrough</source>
        <translation>Police barrée</translation>
    </message>
    <message>
        <source>Font underline</source>
        <translation>Police soulignée</translation>
    </message>
    <message>
        <source>Footer HTML</source>
        <translation>HTML du pied de page</translation>
    </message>
    <message>
        <source>Header HTML</source>
        <translation>HTML de l&apos;en-tête</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Hauteur</translation>
    </message>
    <message>
        <source>Icon</source>
        <translation>Icône</translation>
    </message>
    <message>
        <source>Icon size</source>
        <translation>Taille des icônes</translation>
    </message>
    <message>
        <source>Show exit command</source>
        <translation>Afficher la commande Quitter</translation>
    </message>
    <message>
        <source>Show edit command</source>
        <translation>Afficher la commande Modifier</translation>
    </message>
    <message>
        <source>Show maximise command</source>
        <translation>Afficher la commande Agrandir</translation>
    </message>
    <message>
        <source>Show minimise command</source>
        <translation>Afficher la commande Réduire</translation>
    </message>
    <message>
        <source>Show open command</source>
        <translation>Afficher la commande Ouvrir</translation>
    </message>
    <message>
        <source>Start maximised</source>
        <translation>Démarrer agrandi</translation>
    </message>
    <message>
        <source>Table border</source>
        <translation>Bordure du tableau</translation>
    </message>
    <message>
        <source>Text colour</source>
        <translation>Couleur du texte</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Largeur</translation>
    </message>
    <message>
        <source>Link colour</source>
        <translation>Couleur des liens</translation>
    </message>
    <message>
        <source>Link visited colour</source>
        <translation>Couleur des liens visités</translation>
    </message>
    <message>
        <source>Link active colour</source>
        <translation>Couleur des liens actifs</translation>
    </message>
    <message>
        <source>Link hover colour</source>
        <translation>Couleur des liens survolés</translation>
    </message>
    <message>
        <source>Style sheet</source>
        <translation>Feuille de style</translation>
    </message>
    <message>
        <source>Minimise on use</source>
        <translation>Réduire après usage</translation>
    </message>
    <message>
        <source>Icons above</source>
        <translation>Icônes au-dessus</translation>
    </message>
    <message>
        <source>Table colour</source>
        <translation>Couleur du tableau</translation>
    </message>
    <message>
        <source>(HTML File)</source>
        <translation>(Fichier HTML)</translation>
    </message>
    <message>
        <source>Show refresh command</source>
        <translation>Afficher la commande Actualiser</translation>
    </message>
</context>
<context>
    <name>ReplaceAll</name>
    <message>
        <source>Replace All</source>
        <translation>Tout remplacer</translation>
    </message>
</context>
<context>
    <name>RunController</name>
    <message>
        <source>Run Error</source>
        <translation>Erreur d&apos;exécution</translation>
    </message>
</context>
<context>
    <name>SectionEntry</name>
    <message>
        <source>Edit Section</source>
        <translation>Modifier la section</translation>
    </message>
    <message>
        <source>Add Section</source>
        <translation>Ajouter une section</translation>
    </message>
</context>
<context>
    <name>SectionRow</name>
    <message>
        <source>1 column</source>
        <translation>1 colonne</translation>
    </message>
    <message>
        <source>%1 columns</source>
        <translation>%1 colonnes</translation>
    </message>
    <message>
        <source>%1 px icons</source>
        <translation>icônes de %1 px</translation>
    </message>
    <message>
        <source>icons above</source>
        <translation>icônes au-dessus</translation>
    </message>
    <message>
        <source>icons beside</source>
        <translation>icônes à côté</translation>
    </message>
    <message>
        <source>border</source>
        <translation>bordure</translation>
    </message>
    <message>
        <source>no border</source>
        <translation>sans bordure</translation>
    </message>
</context>
<context>
    <name>ShellWords</name>
    <message>
        <source>Invalid procedure call or argument (a single quote is not closed in the parameters)</source>
        <translation>Appel de procédure ou argument non valide (une apostrophe n&apos;est pas fermée dans les paramètres)</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument (a double quote is not closed in the parameters)</source>
        <translation>Appel de procédure ou argument non valide (un guillemet double n&apos;est pas fermé dans les paramètres)</translation>
    </message>
</context>
<context>
    <name>ShortcutWriter</name>
    <message>
        <source>Create Shortcut to Desktop Error</source>
        <translation>Erreur de création du raccourci sur le bureau</translation>
    </message>
    <message>
        <source>An error occurred when creating a shortcut on the Desktop - %1</source>
        <translation>Une erreur s&apos;est produite lors de la création d&apos;un raccourci sur le bureau - %1</translation>
    </message>
    <message>
        <source>A shortcut was successfully created on the Desktop</source>
        <translation>Un raccourci a été créé sur le bureau</translation>
    </message>
    <message>
        <source>Create Shortcut on Desktop</source>
        <translation>Créer un raccourci sur le bureau</translation>
    </message>
    <message>
        <source>Add to &amp;Application Menu</source>
        <translation>Ajouter au menu des &amp;applications</translation>
    </message>
    <message>
        <source>An error occurred when adding the shortcut to the application menu - %1</source>
        <translation>Une erreur s&apos;est produite lors de l&apos;ajout du raccourci au menu des applications - %1</translation>
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
        <translation>À propos de %1</translation>
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
        <translation>Ajouter depuis les applications</translation>
    </message>
    <message>
        <source>&amp;Filter:</source>
        <translation>&amp;Filtre :</translation>
    </message>
    <message>
        <source>One &amp;section per menu category</source>
        <translation>Une &amp;section par catégorie de menu</translation>
    </message>
    <message>
        <source>Add item at &amp;bottom of list</source>
        <translation>Ajouter l&apos;élément en &amp;bas de la liste</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>Applications</translation>
    </message>
</context>
<context>
    <name>ulvanta::ColourSettingDialog</name>
    <message>
        <source>Colour Picker</source>
        <translation>Sélecteur de couleur</translation>
    </message>
    <message>
        <source>C&amp;hoose colour...</source>
        <translation>&amp;Choisir la couleur...</translation>
    </message>
    <message>
        <source>&amp;Default colour</source>
        <translation>Couleur par &amp;défaut</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Couleur</translation>
    </message>
</context>
<context>
    <name>ulvanta::Document</name>
    <message>
        <source>Nothing added - %1</source>
        <translation>Rien n&apos;a été ajouté - %1</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Déplacer</translation>
    </message>
    <message>
        <source>Drop</source>
        <translation>Déposer</translation>
    </message>
    <message>
        <source>New File %1</source>
        <translation>Nouveau fichier %1</translation>
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
        <translation>Format de fichier non valide (propriété « %1 » inconnue ou mal placée)</translation>
    </message>
    <message>
        <source>Invalid file format (the last row is cut short)</source>
        <translation>Format de fichier non valide (la dernière ligne est tronquée)</translation>
    </message>
</context>
<context>
    <name>ulvanta::EditHistory</name>
    <message>
        <source>This change is too large to undo</source>
        <translation>Cette modification est trop importante pour être annulée</translation>
    </message>
</context>
<context>
    <name>ulvanta::FileSettingDialog</name>
    <message>
        <source>Choose File</source>
        <translation>Choisir un fichier</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Browse for the file</source>
        <translation>Chercher le fichier</translation>
    </message>
</context>
<context>
    <name>ulvanta::FontDialog</name>
    <message>
        <source>Font</source>
        <translation>Police</translation>
    </message>
    <message>
        <source>Text colour:</source>
        <translation>Couleur du texte :</translation>
    </message>
    <message>
        <source>C&amp;olour...</source>
        <translation>&amp;Couleur...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Couleur</translation>
    </message>
</context>
<context>
    <name>ulvanta::HelpWindow</name>
    <message>
        <source>Ulvanta Editor Help</source>
        <translation>Aide d&apos;Ulvanta Editor</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Précédent</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>S&amp;uivant</translation>
    </message>
    <message>
        <source>%1 - %2</source>
        <comment>page title, help title</comment>
        <translation>%1 - %2</translation>
    </message>
    <message>
        <source>Help page</source>
        <translation>Page d&apos;aide</translation>
    </message>
    <message>
        <source>The help pages are available in English only.</source>
        <translation>Les pages d&apos;aide ne sont disponibles qu&apos;en anglais.</translation>
    </message>
</context>
<context>
    <name>ulvanta::HtmlTextDialog</name>
    <message>
        <source>Text Editor</source>
        <translation>Éditeur de texte</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>ulvanta::IconDialog</name>
    <message>
        <source>Add an Icon</source>
        <translation>Ajouter une icône</translation>
    </message>
    <message>
        <source>Edit Icon %1</source>
        <translation>Modifier l&apos;icône %1</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>Modifi&amp;er</translation>
    </message>
</context>
<context>
    <name>ulvanta::ImportDialog</name>
    <message>
        <source>Import Ulvanta File Items</source>
        <translation>Importer les éléments d&apos;un fichier Ulvanta</translation>
    </message>
    <message>
        <source>&amp;File name:</source>
        <translation>&amp;Nom du fichier :</translation>
    </message>
    <message>
        <source>Choose an Ulvanta File to Import</source>
        <translation>Choisir le fichier Ulvanta à importer</translation>
    </message>
    <message>
        <source>New &amp;section name (optional):</source>
        <translation>Nom de la nouvelle &amp;section (facultatif) :</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Browse for the file to import</source>
        <translation>Chercher le fichier à importer</translation>
    </message>
</context>
<context>
    <name>ulvanta::ItemActions</name>
    <message>
        <source>Add from Applications</source>
        <translation>Ajouter depuis les applications</translation>
    </message>
</context>
<context>
    <name>ulvanta::ItemList</name>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Commande</translation>
    </message>
    <message>
        <source>Parameters</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Start In</source>
        <translation>Dossier de départ</translation>
    </message>
    <message>
        <source>Icon</source>
        <translation>Icône</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Exécution</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>Commentaires</translation>
    </message>
</context>
<context>
    <name>ulvanta::MainWindow</name>
    <message>
        <source>Open Error</source>
        <translation>Erreur d&apos;ouverture</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Ouvrir...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <source>&amp;Import Ulvanta File Items...</source>
        <translation>&amp;Importer les éléments d&apos;un fichier Ulvanta...</translation>
    </message>
    <message>
        <source>&amp;Build...</source>
        <translation>&amp;Générer...</translation>
    </message>
    <message>
        <source>&amp;Run...</source>
        <translation>E&amp;xécuter...</translation>
    </message>
    <message>
        <source>Create Shortcut on &amp;Desktop...</source>
        <translation>Créer un &amp;raccourci sur le bureau...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Édition</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>&amp;Copy and paste</source>
        <translation>&amp;Copier et coller</translation>
    </message>
    <message>
        <source>&amp;Add icon...</source>
        <translation>Ajouter une &amp;icône...</translation>
    </message>
    <message>
        <source>Add se&amp;ction (above selected item)...</source>
        <translation>Ajouter une &amp;section (au-dessus de l&apos;élément choisi)...</translation>
    </message>
    <message>
        <source>Add from &amp;Applications...</source>
        <translation>Ajouter depuis les a&amp;pplications...</translation>
    </message>
    <message>
        <source>&amp;Edit selected item...</source>
        <translation>&amp;Modifier l&apos;élément choisi...</translation>
    </message>
    <message>
        <source>&amp;Delete selected item...</source>
        <translation>S&amp;upprimer l&apos;élément choisi...</translation>
    </message>
    <message>
        <source>Move &amp;up</source>
        <translation>Mon&amp;ter</translation>
    </message>
    <message>
        <source>Move do&amp;wn</source>
        <translation>&amp;Descendre</translation>
    </message>
    <message>
        <source>&amp;Rep&amp;lace...</source>
        <translation>R&amp;emplacer...</translation>
    </message>
    <message>
        <source>&amp;Swap Columns...</source>
        <translation>Intervertir les co&amp;lonnes...</translation>
    </message>
    <message>
        <source>Edit &amp;property...</source>
        <translation>Modifier la pr&amp;opriété...</translation>
    </message>
    <message>
        <source>&amp;Reset properties...</source>
        <translation>Réi&amp;nitialiser les propriétés...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <source>&amp;Send feedback...</source>
        <translation>&amp;Envoyer un commentaire...</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>À &amp;propos...</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barre d&apos;outils</translation>
    </message>
    <message>
        <source>&amp;Icons</source>
        <translation>&amp;Icônes</translation>
    </message>
    <message>
        <source>&amp;Properties</source>
        <translation>&amp;Propriétés</translation>
    </message>
    <message>
        <source>&amp;HTML</source>
        <translation>&amp;HTML</translation>
    </message>
    <message>
        <source>P&amp;review</source>
        <translation>Aperç&amp;u</translation>
    </message>
    <message>
        <source>New (Ctrl+N)</source>
        <translation>Nouveau (Ctrl+N)</translation>
    </message>
    <message>
        <source>Open (Ctrl+O)</source>
        <translation>Ouvrir (Ctrl+O)</translation>
    </message>
    <message>
        <source>Save (Ctrl+S)</source>
        <translation>Enregistrer (Ctrl+S)</translation>
    </message>
    <message>
        <source>Build (F3)</source>
        <translation>Générer (F3)</translation>
    </message>
    <message>
        <source>Add icon (F4)</source>
        <translation>Ajouter une icône (F4)</translation>
    </message>
    <message>
        <source>Add section (above selected item) (F7)</source>
        <translation>Ajouter une section (au-dessus de l&apos;élément choisi) (F7)</translation>
    </message>
    <message>
        <source>Edit (F2)</source>
        <translation>Modifier (F2)</translation>
    </message>
    <message>
        <source>Delete (F8)</source>
        <translation>Supprimer (F8)</translation>
    </message>
    <message>
        <source>Move up (Ctrl+U)</source>
        <translation>Monter (Ctrl+U)</translation>
    </message>
    <message>
        <source>Move down (Ctrl+D)</source>
        <translation>Descendre (Ctrl+D)</translation>
    </message>
    <message>
        <source>Undo (Ctrl+Z)</source>
        <translation>Annuler (Ctrl+Z)</translation>
    </message>
    <message>
        <source>Redo (Ctrl+Y)</source>
        <translation>Rétablir (Ctrl+Y)</translation>
    </message>
    <message>
        <source>Views</source>
        <translation>Vues</translation>
    </message>
    <message>
        <source>Icon list</source>
        <translation>Liste des icônes</translation>
    </message>
    <message>
        <source>Property list</source>
        <translation>Liste des propriétés</translation>
    </message>
    <message>
        <source>Page HTML</source>
        <translation>HTML de la page</translation>
    </message>
    <message>
        <source>Chec&amp;k Page</source>
        <translation>&amp;Vérifier la page</translation>
    </message>
</context>
<context>
    <name>ulvanta::ProblemList</name>
    <message>
        <source>Properties</source>
        <translation>Propriétés</translation>
    </message>
    <message>
        <source>No problems found</source>
        <translation>Aucun problème trouvé</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Column</source>
        <translation>Colonne</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Message</translation>
    </message>
</context>
<context>
    <name>ulvanta::ProblemsPanel</name>
    <message>
        <source>Problems</source>
        <translation>Problèmes</translation>
    </message>
    <message>
        <source>Check &amp;Online</source>
        <translation>Vérifier en &amp;ligne</translation>
    </message>
    <message>
        <source>Check the web addresses online</source>
        <translation>Vérifier les adresses web en ligne</translation>
    </message>
</context>
<context>
    <name>ulvanta::PropertyList</name>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Valeur</translation>
    </message>
</context>
<context>
    <name>ulvanta::RecoveryKeeper</name>
    <message>
        <source>Unsaved changes are not being kept: the recovery folder cannot be created.</source>
        <translation>Les modifications non enregistrées ne sont pas conservées : le dossier de récupération ne peut pas être créé.</translation>
    </message>
    <message>
        <source>%1 was not opened: unsaved changes of another document were recovered.</source>
        <translation>%1 n&apos;a pas été ouvert : les modifications non enregistrées d&apos;un autre document ont été récupérées.</translation>
    </message>
    <message>
        <source>never saved</source>
        <translation>jamais enregistré</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; (%2) has unsaved changes from an editor that did not end normally, last changed %3.  Do you want to recover them?</source>
        <translation>Le fichier « %1 » (%2) contient des modifications non enregistrées d&apos;un éditeur qui ne s&apos;est pas fermé normalement, dernière modification %3. Voulez-vous les récupérer ?</translation>
    </message>
    <message>
        <source>Recover Unsaved Changes</source>
        <translation>Récupérer les modifications non enregistrées</translation>
    </message>
    <message>
        <source>Open Error</source>
        <translation>Erreur d&apos;ouverture</translation>
    </message>
</context>
<context>
    <name>ulvanta::ReplaceDialog</name>
    <message>
        <source>Replace</source>
        <translation>Remplacer</translation>
    </message>
    <message>
        <source>Fi&amp;nd what:</source>
        <translation>Rec&amp;hercher :</translation>
    </message>
    <message>
        <source>Re&amp;place with:</source>
        <translation>Remplacer &amp;par :</translation>
    </message>
    <message>
        <source>Match &amp;case</source>
        <translation>Respecter la &amp;casse</translation>
    </message>
    <message>
        <source>Replace in Columns</source>
        <translation>Remplacer dans les colonnes</translation>
    </message>
    <message>
        <source>&amp;Description</source>
        <translation>&amp;Description</translation>
    </message>
    <message>
        <source>Co&amp;mmand</source>
        <translation>Co&amp;mmande</translation>
    </message>
    <message>
        <source>Parame&amp;ters</source>
        <translation>Paramè&amp;tres</translation>
    </message>
    <message>
        <source>&amp;Start In</source>
        <translation>Dossie&amp;r de départ</translation>
    </message>
    <message>
        <source>&amp;Icon</source>
        <translation>&amp;Icône</translation>
    </message>
    <message>
        <source>C&amp;omments</source>
        <translation>C&amp;ommentaires</translation>
    </message>
    <message>
        <source>Replace &amp;All</source>
        <translation>Tout rempl&amp;acer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>ulvanta::SectionDialog</name>
    <message>
        <source>Add Section</source>
        <translation>Ajouter une section</translation>
    </message>
    <message>
        <source>Edit Section %1</source>
        <translation>Modifier la section %1</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nom :</translation>
    </message>
    <message>
        <source>&amp;Columns (1 minimum):</source>
        <translation>&amp;Colonnes (1 minimum) :</translation>
    </message>
    <message>
        <source>Icon &amp;size (16 minimum):</source>
        <translation>&amp;Taille des icônes (16 minimum) :</translation>
    </message>
    <message>
        <source>Icons &amp;above</source>
        <translation>Icônes au-&amp;dessus</translation>
    </message>
    <message>
        <source>&amp;Table border</source>
        <translation>&amp;Bordure du tableau</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>ulvanta::SwapColumnsDialog</name>
    <message>
        <source>Swap Columns</source>
        <translation>Intervertir les colonnes</translation>
    </message>
    <message>
        <source>S&amp;wap Columns</source>
        <translation>Inter&amp;vertir les colonnes</translation>
    </message>
    <message>
        <source>Mo&amp;ve Column</source>
        <translation>Dép&amp;lacer la colonne</translation>
    </message>
    <message>
        <source>&amp;Copy Column</source>
        <translation>D&amp;upliquer la colonne</translation>
    </message>
    <message>
        <source>&amp;Description</source>
        <translation>&amp;Description</translation>
    </message>
    <message>
        <source>C&amp;ommand</source>
        <translation>C&amp;ommande</translation>
    </message>
    <message>
        <source>&amp;Parameters</source>
        <translation>&amp;Paramètres</translation>
    </message>
    <message>
        <source>S&amp;tart in</source>
        <translation>Dossie&amp;r de départ</translation>
    </message>
    <message>
        <source>&amp;Icon</source>
        <translation>&amp;Icône</translation>
    </message>
    <message>
        <source>Comm&amp;ents</source>
        <translation>&amp;Commentaires</translation>
    </message>
    <message>
        <source>Desc&amp;ription</source>
        <translation>Descrip&amp;tion</translation>
    </message>
    <message>
        <source>Co&amp;mmand</source>
        <translation>Co&amp;mmande</translation>
    </message>
    <message>
        <source>P&amp;arameters</source>
        <translation>P&amp;aramètres</translation>
    </message>
    <message>
        <source>Start&amp; in</source>
        <translation>Dossi&amp;er de départ</translation>
    </message>
    <message>
        <source>Ico&amp;n</source>
        <translation>Icô&amp;ne</translation>
    </message>
    <message>
        <source>Comment&amp;s</source>
        <translation>Commentaire&amp;s</translation>
    </message>
    <message>
        <source>First Column</source>
        <translation>Première colonne</translation>
    </message>
    <message>
        <source>Second Column</source>
        <translation>Deuxième colonne</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>ulvanta::ThemeIconDialog</name>
    <message>
        <source>Choose Icon</source>
        <translation>Choisir une icône</translation>
    </message>
    <message>
        <source>&amp;Filter:</source>
        <translation>&amp;Filtre :</translation>
    </message>
    <message>
        <source>Filter icons by name</source>
        <translation>Filtrer les icônes par nom</translation>
    </message>
    <message>
        <source>Icons</source>
        <translation>Icônes</translation>
    </message>
    <message>
        <source>Reading the icon themes...</source>
        <translation>Lecture des thèmes d&apos;icônes...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>No icons found.</source>
        <translation>Aucune icône trouvée.</translation>
    </message>
    <message>
        <source>%1 of %2 icons</source>
        <translation>%1 icônes sur %2</translation>
    </message>
</context>
<context>
    <name>ulvanta::ToolActions</name>
    <message>
        <source>Could not find the help file &apos;%1&apos;.</source>
        <translation>Le fichier d&apos;aide « %1 » est introuvable.</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>No mail program could be started. Please send your feedback to %1.</source>
        <translation>Aucun programme de messagerie n&apos;a pu être lancé. Veuillez envoyer vos commentaires à %1.</translation>
    </message>
    <message>
        <source>Send feedback</source>
        <translation>Envoyer un commentaire</translation>
    </message>
</context>
<context>
    <name>ulvanta::intake::DesktopEntry</name>
    <message>
        <source>Invalid file format (a line is longer than 64 KiB)</source>
        <translation>Format de fichier non valide (une ligne dépasse 64 Kio)</translation>
    </message>
    <message>
        <source>Invalid file format (larger than 1 MiB)</source>
        <translation>Format de fichier non valide (plus de 1 Mio)</translation>
    </message>
    <message>
        <source>is refused - %1</source>
        <translation>est refusé - %1</translation>
    </message>
    <message>
        <source>is a link that would start a program</source>
        <translation>est un lien qui lancerait un programme</translation>
    </message>
    <message>
        <source>is not a desktop entry</source>
        <translation>n&apos;est pas une entrée de bureau</translation>
    </message>
    <message>
        <source>has no Name</source>
        <translation>n&apos;a pas de nom</translation>
    </message>
    <message>
        <source>is a link without a URL</source>
        <translation>est un lien sans URL</translation>
    </message>
    <message>
        <source>is neither an application nor a link</source>
        <translation>n&apos;est ni une application ni un lien</translation>
    </message>
    <message>
        <source>has no Exec</source>
        <translation>n&apos;a pas de ligne Exec</translation>
    </message>
    <message>
        <source>has an Exec line that names no program</source>
        <translation>a une ligne Exec qui ne nomme aucun programme</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>ne peut pas être lu</translation>
    </message>
</context>
<context>
    <name>ulvanta::intake::IntakeNotes</name>
    <message numerus="yes">
        <source>%n link(s) skipped: it would start a program</source>
        <translation>
            <numerusform>%n lien ignoré : il lancerait un programme</numerusform>
            <numerusform>%n liens ignorés : ils lanceraient des programmes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n title(s) changed so that it does not read as a section</source>
        <translation>
            <numerusform>%n titre modifié pour qu&apos;il ne soit pas lu comme une section</numerusform>
            <numerusform>%n titres modifiés pour qu&apos;ils ne soient pas lus comme des sections</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ulvanta::launcher::KeyFinder</name>
    <message>
        <source>Find: %1</source>
        <translation>Rechercher : %1</translation>
    </message>
</context>
<context>
    <name>ulvanta::launcher::LauncherWindow</name>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Ouvrir...</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifier</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Actualiser</translation>
    </message>
    <message>
        <source>Mi&amp;nimise</source>
        <translation>Réd&amp;uire</translation>
    </message>
    <message>
        <source>Ma&amp;ximise</source>
        <translation>Ag&amp;randir</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Open Error</source>
        <translation>Erreur d&apos;ouverture</translation>
    </message>
    <message>
        <source>Open a Page</source>
        <translation>Ouvrir une page</translation>
    </message>
    <message>
        <source>No program is set to open &apos;%1&apos;</source>
        <translation>Aucun programme n&apos;est défini pour ouvrir « %1 »</translation>
    </message>
    <message>
        <source>Run Error</source>
        <translation>Erreur d&apos;exécution</translation>
    </message>
    <message>
        <source>The page asks for the window command &apos;%1&apos;, which the launcher does not have.</source>
        <translation>La page demande la commande de fenêtre « %1 », que le lanceur ne connaît pas.</translation>
    </message>
    <message>
        <source>This page does not name the document it was built from, so there is nothing to edit.</source>
        <translation>Cette page n&apos;indique pas le document dont elle est issue ; il n&apos;y a rien à modifier.</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Rechercher</translation>
    </message>
</context>
</TS>
