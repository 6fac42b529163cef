<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>LabelDocument</name>
    <message>
        <source>This label cannot hold more text items. Save it and start a new label.</source>
        <translation>Cette étiquette ne peut pas contenir davantage de textes. Enregistrez-la et commencez une nouvelle étiquette.</translation>
    </message>
    <message>
        <source>The clipboard holds no picture</source>
        <translation>Le presse-papiers ne contient pas d&apos;image</translation>
    </message>
    <message>
        <source>Internal Paste error</source>
        <translation>Erreur interne lors du collage</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Unable to load the picture &quot;%1&quot;: %2</source>
        <translation>Impossible de charger l&apos;image « %1 » : %2</translation>
    </message>
    <message>
        <source>unknown format</source>
        <translation>format inconnu</translation>
    </message>
    <message>
        <source>This label cannot hold more pictures. Save it and start a new label.</source>
        <translation>Cette étiquette ne peut pas contenir davantage d&apos;images. Enregistrez-la et commencez une nouvelle étiquette.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the selected graphic?</source>
        <translation>Voulez-vous vraiment supprimer l&apos;image sélectionnée ?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the selected text?</source>
        <translation>Voulez-vous vraiment supprimer le texte sélectionné ?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the selected QR code?</source>
        <translation>Voulez-vous vraiment supprimer le code QR sélectionné ?</translation>
    </message>
    <message>
        <source>the text &quot;%1...&quot; is %2 characters long, and a label file keeps at most 32,767 characters of one text (a line break counts as two). Shorten it and save again.</source>
        <translation>le texte « %1... » compte %2 caractères, et un fichier d&apos;étiquette conserve au plus 32 767 caractères d&apos;un texte (un saut de ligne compte pour deux). Raccourcissez-le et enregistrez de nouveau.</translation>
    </message>
    <message>
        <source>the QR code &quot;%1&quot; cannot be saved. %2</source>
        <translation>le code QR « %1 » ne peut pas être enregistré. %2</translation>
    </message>
    <message>
        <source>no free bitmap name is left</source>
        <translation>il ne reste aucun nom de bitmap libre</translation>
    </message>
    <message>
        <source>a label file cannot name the bitmap &quot;%1&quot;</source>
        <translation>un fichier d&apos;étiquette ne peut pas nommer le bitmap « %1 »</translation>
    </message>
    <message>
        <source>the picture stacking order is damaged</source>
        <translation>l&apos;ordre d&apos;empilement des images est endommagé</translation>
    </message>
    <message>
        <source>the pasted picture could not be written to the graphics folder &quot;%1&quot;: %2</source>
        <translation>l&apos;image collée n&apos;a pas pu être écrite dans le dossier d&apos;images « %1 » : %2</translation>
    </message>
    <message>
        <source>the picture &quot;%1&quot; could not be written to the graphics folder &quot;%2&quot;: %3</source>
        <translation>l&apos;image « %1 » n&apos;a pas pu être écrite dans le dossier d&apos;images « %2 » : %3</translation>
    </message>
    <message>
        <source>Template file: %1 Does NOT exist</source>
        <translation>Fichier modèle : %1 n&apos;existe PAS</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>Bad or Invalid Filname (File Doesn&apos;t Exist): %1</source>
        <translation>Nom de fichier incorrect ou invalide (le fichier n&apos;existe pas) : %1</translation>
    </message>
    <message>
        <source>Bad Header Record in File</source>
        <translation>En-tête incorrect dans le fichier</translation>
    </message>
    <message>
        <source>Unable to Load Graphic: %1</source>
        <translation>Impossible de charger l&apos;image : %1</translation>
    </message>
    <message>
        <source>Bad Graphic Record in File</source>
        <translation>Enregistrement d&apos;image incorrect dans le fichier</translation>
    </message>
    <message>
        <source>Bad Text Record in File</source>
        <translation>Enregistrement de texte incorrect dans le fichier</translation>
    </message>
    <message>
        <source>This label cannot hold more QR codes. Save it and start a new label.</source>
        <translation>Cette étiquette ne peut pas contenir davantage de codes QR. Enregistrez-la et commencez une nouvelle étiquette.</translation>
    </message>
    <message>
        <source>A text on a label can be at most 32,767 characters long (a line break counts as two), and this one has %1.</source>
        <translation>Un texte d&apos;étiquette peut compter au plus 32 767 caractères (un saut de ligne compte pour deux), et celui-ci en a %1.</translation>
    </message>
</context>
<context>
    <name>LabelsPageWidget</name>
    <message>
        <source>Labels</source>
        <translation>Étiquettes</translation>
    </message>
    <message>
        <source>Start at label:</source>
        <translation>Commencer à l&apos;étiquette :</translation>
    </message>
    <message>
        <source> in</source>
        <translation> in</translation>
    </message>
    <message>
        <source>Move right:</source>
        <translation>Décaler vers la droite :</translation>
    </message>
    <message>
        <source>Move down:</source>
        <translation>Décaler vers le bas :</translation>
    </message>
    <message>
        <source> mm</source>
        <translation> mm</translation>
    </message>
</context>
<context>
    <name>Lengths</name>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>in</source>
        <translation>in</translation>
    </message>
    <message>
        <source>Type a length in millimetres, such as 12.5</source>
        <translation>Saisissez une longueur en millimètres, par exemple 12,5</translation>
    </message>
    <message>
        <source>Type a length in inches, such as 0.5</source>
        <translation>Saisissez une longueur en pouces, par exemple 0,5</translation>
    </message>
    <message>
        <source>The length must be between -%1 and %1 %2</source>
        <translation>La longueur doit être comprise entre -%1 et %1 %2</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>pouces</translation>
    </message>
</context>
<context>
    <name>Module1</name>
    <message>
        <source>Unable to run Graphics Editor: %1</source>
        <translation>Impossible de lancer l&apos;éditeur d&apos;images : %1</translation>
    </message>
    <message>
        <source>Run Error</source>
        <translation>Erreur de lancement</translation>
    </message>
</context>
<context>
    <name>PositionPanel</name>
    <message>
        <source>Position and Size</source>
        <translation>Position et taille</translation>
    </message>
    <message>
        <source>&amp;X:</source>
        <translation>&amp;X :</translation>
    </message>
    <message>
        <source>&amp;Y:</source>
        <translation>&amp;Y :</translation>
    </message>
    <message>
        <source>&amp;Width:</source>
        <translation>&amp;Largeur :</translation>
    </message>
    <message>
        <source>&amp;Height:</source>
        <translation>&amp;Hauteur :</translation>
    </message>
    <message>
        <source>The width and height must be greater than 0</source>
        <translation>La largeur et la hauteur doivent être supérieures à 0</translation>
    </message>
    <message>
        <source>The item must stay at least partly on the label</source>
        <translation>L&apos;élément doit rester au moins en partie sur l&apos;étiquette</translation>
    </message>
</context>
<context>
    <name>QtPlatform</name>
    <message>
        <source>Save anyway</source>
        <translation>Enregistrer quand même</translation>
    </message>
    <message>
        <source>Page Setup</source>
        <translation>Mise en page</translation>
    </message>
    <message>
        <source>The help is not available.</source>
        <translation>L&apos;aide n&apos;est pas disponible.</translation>
    </message>
</context>
<context>
    <name>Selection</name>
    <message>
        <source>Text: %1</source>
        <translation>Texte : %1</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>Picture: %1</source>
        <translation>Image : %1</translation>
    </message>
    <message>
        <source>QR code: %1</source>
        <translation>Code QR : %1</translation>
    </message>
    <message>
        <source>No item selected</source>
        <translation>Aucun élément sélectionné</translation>
    </message>
</context>
<context>
    <name>StockPicker</name>
    <message>
        <source>%1 x %2 in</source>
        <translation>%1 x %2 in</translation>
    </message>
    <message>
        <source>%1 x %2 mm</source>
        <translation>%1 x %2 mm</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>Rond</translation>
    </message>
    <message>
        <source>Oval</source>
        <translation>Ovale</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Rectangle</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>Produit</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Étiquette</translation>
    </message>
    <message>
        <source>Across x down</source>
        <translation>Colonnes x rangées</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>Papier</translation>
    </message>
    <message>
        <source>Shape</source>
        <translation>Forme</translation>
    </message>
    <message>
        <source>several</source>
        <translation>plusieurs</translation>
    </message>
    <message>
        <source>Stock</source>
        <translation>Planche d&apos;étiquettes</translation>
    </message>
    <message>
        <source>Maker, product code or description, e.g. Avery L7165 or wine</source>
        <translation>Fabricant, référence ou description, p. ex. Avery L7165 ou vin</translation>
    </message>
    <message>
        <source>Custom sheet</source>
        <translation>Planche personnalisée</translation>
    </message>
</context>
<context>
    <name>Undo</name>
    <message>
        <source>Border Style</source>
        <translation>style du cadre</translation>
    </message>
    <message>
        <source>Border Visible</source>
        <translation>cadre visible</translation>
    </message>
    <message>
        <source>Border Color</source>
        <translation>couleur du cadre</translation>
    </message>
    <message>
        <source>Border Width</source>
        <translation>épaisseur du cadre</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>couleur de fond</translation>
    </message>
    <message>
        <source>New Text</source>
        <translation>nouveau texte</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>mise en forme</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>couleur du texte</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>taille de police</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>police</translation>
    </message>
    <message>
        <source>Edit Text</source>
        <translation>modification du texte</translation>
    </message>
    <message>
        <source>Alignment</source>
        <translation>alignement</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>déplacement</translation>
    </message>
    <message>
        <source>New Picture</source>
        <translation>nouvelle image</translation>
    </message>
    <message>
        <source>Maintain Aspect Ratio</source>
        <translation>conservation des proportions</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>suppression</translation>
    </message>
    <message>
        <source>Bring Forward</source>
        <translation>avancer d&apos;un plan</translation>
    </message>
    <message>
        <source>Send Back</source>
        <translation>reculer d&apos;un plan</translation>
    </message>
    <message>
        <source>Align</source>
        <translation>alignement</translation>
    </message>
    <message>
        <source>Resize</source>
        <translation>redimensionnement</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>rotation</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>couper</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>coller</translation>
    </message>
    <message>
        <source>New QR Code</source>
        <translation>nouveau code QR</translation>
    </message>
    <message>
        <source>Edit QR Code</source>
        <translation>modification du code QR</translation>
    </message>
    <message>
        <source>Label Size</source>
        <translation>taille de l&apos;étiquette</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>gras</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>italique</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>souligné</translation>
    </message>
    <message>
        <source>Label Properties</source>
        <translation>propriétés de l&apos;étiquette</translation>
    </message>
</context>
<context>
    <name>catalogue</name>
    <message>
        <source>%1 is a sheet of CD labels: Corkcrafter prints rectangular labels and cannot print around a CD&apos;s hole.</source>
        <translation>%1 est une planche d&apos;étiquettes de CD : Corkcrafter imprime des étiquettes rectangulaires et ne peut pas imprimer autour du trou d&apos;un CD.</translation>
    </message>
    <message>
        <source>%1 has its labels in %2 groups of different spacing: Corkcrafter prints one grid of labels a sheet.</source>
        <translation>%1 a ses étiquettes en %2 groupes d&apos;espacements différents : Corkcrafter imprime une seule grille d&apos;étiquettes par planche.</translation>
    </message>
    <message>
        <source>%1 has no layout of labels to print.</source>
        <translation>%1 n&apos;a aucune disposition d&apos;étiquettes à imprimer.</translation>
    </message>
    <message>
        <source>%1 puts labels up to %2 mm beyond the edge of its paper (%3): its entry in the catalogue cannot be right, so it is not printed on.</source>
        <translation>%1 place des étiquettes jusqu&apos;à %2 mm au-delà du bord de son papier (%3) : son entrée dans le catalogue ne peut pas être juste, on n&apos;imprime donc pas dessus.</translation>
    </message>
    <message>
        <source>%1 round</source>
        <translation>%1 rondes</translation>
    </message>
    <message>
        <source>%1 oval</source>
        <translation>%1 ovales</translation>
    </message>
    <message>
        <source>%1 labels in %2 groups</source>
        <translation>%1 étiquettes en %2 groupes</translation>
    </message>
    <message>
        <source>%1, %2 on %3</source>
        <translation>%1, %2 sur %3</translation>
    </message>
</context>
<context>
    <name>csv</name>
    <message>
        <source>the file is empty</source>
        <translation>le fichier est vide</translation>
    </message>
    <message>
        <source>the first row has no column &quot;%1&quot; for the number of copies</source>
        <translation>la première ligne n&apos;a pas de colonne « %1 » pour le nombre d&apos;exemplaires</translation>
    </message>
    <message>
        <source>1 value</source>
        <translation>1 valeur</translation>
    </message>
    <message>
        <source>%1 values</source>
        <translation>%1 valeurs</translation>
    </message>
    <message>
        <source>1 column</source>
        <translation>1 colonne</translation>
    </message>
    <message>
        <source>%1 columns</source>
        <translation>%1 colonnes</translation>
    </message>
    <message>
        <source>line %1: %2 where the first row names %3</source>
        <translation>ligne %1 : %2 alors que la première ligne nomme %3</translation>
    </message>
    <message>
        <source>line %1: the number of copies &quot;%2&quot; is not a whole number from 0 to %3</source>
        <translation>ligne %1 : le nombre d&apos;exemplaires « %2 » n&apos;est pas un nombre entier de 0 à %3</translation>
    </message>
    <message>
        <source>the file names its columns but has no rows</source>
        <translation>le fichier nomme ses colonnes mais n&apos;a aucune ligne</translation>
    </message>
    <message>
        <source>Data file &quot;%1&quot; Not Found</source>
        <translation>Fichier de données « %1 » introuvable</translation>
    </message>
    <message>
        <source>%1: the file is %2 MiB, too large for a list of labels (at most %3 MiB)</source>
        <translation>%1 : le fichier fait %2 Mio, trop pour une liste d&apos;étiquettes (au plus %3 Mio)</translation>
    </message>
    <message>
        <source>%1: the file grew past %2 MiB while read</source>
        <translation>%1 : le fichier a dépassé %2 Mio pendant la lecture</translation>
    </message>
</context>
<context>
    <name>description</name>
    <message>
        <source>The label description was not used. It has %1 texts, and this label can take only %2 more.</source>
        <translation>La description d&apos;étiquette n&apos;a pas été utilisée. Elle contient %1 textes, et cette étiquette ne peut en recevoir que %2 de plus.</translation>
    </message>
    <message>
        <source>The label description was not used.</source>
        <translation>La description d&apos;étiquette n&apos;a pas été utilisée.</translation>
    </message>
</context>
<context>
    <name>fields</name>
    <message>
        <source>%1: the field is not closed with }</source>
        <translation>%1 : le champ n&apos;est pas fermé par }</translation>
    </message>
    <message>
        <source>%1: the field has no name</source>
        <translation>%1 : le champ n&apos;a pas de nom</translation>
    </message>
    <message>
        <source>%1: a number takes a zero and a width, such as %2</source>
        <translation>%1 : un numéro prend un zéro et une largeur, par exemple %2</translation>
    </message>
    <message>
        <source>%1: a data column takes no format</source>
        <translation>%1 : une colonne de données ne prend pas de format</translation>
    </message>
    <message>
        <source>%1: there is no data to take it from</source>
        <translation>%1 : il n&apos;y a pas de données d&apos;où le prendre</translation>
    </message>
    <message>
        <source>%1: the data has no column of that name</source>
        <translation>%1 : les données n&apos;ont pas de colonne de ce nom</translation>
    </message>
    <message>
        <source>These fields of the label&apos;s texts cannot be filled in: %1.</source>
        <translation>Ces champs des textes de l&apos;étiquette ne peuvent pas être remplis : %1.</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Corkcrafter - Label Designer helps you design creative bottle labels for your home-made beers and wines.  It is capable of creating labels of any size up to the maximum size supported by your printer.</source>
        <translation>Corkcrafter - Label Designer vous aide à créer des étiquettes de bouteille originales pour vos bières et vins faits maison.  Il crée des étiquettes de toute taille, jusqu&apos;à la taille maximale prise en charge par votre imprimante.</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>À propos de %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>Informations &amp;système...</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Les informations système ne sont pas disponibles pour le moment</translation>
    </message>
</context>
<context>
    <name>frmDocument</name>
    <message>
        <source>Label. Tab and Shift+Tab select the next and previous item, Escape selects none.</source>
        <translation>Étiquette. Tab et Maj+Tab sélectionnent l&apos;élément suivant et précédent, Échap désélectionne tout.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; has Changed, Save the Changes?</source>
        <translation>« %1 » a été modifié. Enregistrer les modifications ?</translation>
    </message>
</context>
<context>
    <name>frmHelp</name>
    <message>
        <source>The help file &quot;%1&quot; is missing, so help cannot be shown.
Installing Corkcrafter again puts it back.</source>
        <translation>Le fichier d&apos;aide « %1 » est absent, l&apos;aide ne peut donc pas être affichée.
Réinstaller Corkcrafter le remet en place.</translation>
    </message>
    <message>
        <source>it is not a help file</source>
        <translation>ce n&apos;est pas un fichier d&apos;aide</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>il ne peut pas être lu</translation>
    </message>
    <message>
        <source>The help file &quot;%1&quot; could not be opened: %2</source>
        <translation>Le fichier d&apos;aide « %1 » n&apos;a pas pu être ouvert : %2</translation>
    </message>
    <message>
        <source>Corkcrafter 2 Help</source>
        <translation>Aide de Corkcrafter 2</translation>
    </message>
    <message>
        <source>%1 - Corkcrafter 2 Help</source>
        <translation>%1 - Aide de Corkcrafter 2</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <source>&amp;Look for:</source>
        <translation>&amp;Rechercher :</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>&amp;Index</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>Re&amp;cherche</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
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
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
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
        <source>Save A&amp;ll</source>
        <translation>Tout enre&amp;gistrer</translation>
    </message>
    <message>
        <source>Default &amp;Beer Label</source>
        <translation>Étiquette de &amp;bière par défaut</translation>
    </message>
    <message>
        <source>Default &amp;Wine Label</source>
        <translation>Étiquette de &amp;vin par défaut</translation>
    </message>
    <message>
        <source>&amp;Label Properties/Options...</source>
        <translation>Propriétés/options de l&apos;é&amp;tiquette...</translation>
    </message>
    <message>
        <source>&amp;Data...</source>
        <translation>&amp;Données...</translation>
    </message>
    <message>
        <source>Page Set&amp;up...</source>
        <translation>&amp;Mise en page...</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>&amp;Aperçu avant impression</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimer...</translation>
    </message>
    <message>
        <source>Print S&amp;everal Labels...</source>
        <translation>Imprimer &amp;plusieurs étiquettes...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
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
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Co&amp;uper</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>C&amp;oller</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>Affic&amp;hage</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Barre d&apos;outils</translation>
    </message>
    <message>
        <source>Status &amp;Bar</source>
        <translation>Barre d&apos;é&amp;tat</translation>
    </message>
    <message>
        <source>&amp;Define Grid</source>
        <translation>&amp;Définir la grille</translation>
    </message>
    <message>
        <source>&amp;Show Grid</source>
        <translation>Afficher la &amp;grille</translation>
    </message>
    <message>
        <source>Snap To &amp;Grid</source>
        <translation>&amp;Magnétisme de la grille</translation>
    </message>
    <message>
        <source>Sho&amp;w Guides</source>
        <translation>Afficher les &amp;repères</translation>
    </message>
    <message>
        <source>Show Field &amp;Values</source>
        <translation>Afficher les &amp;valeurs des champs</translation>
    </message>
    <message>
        <source>Bring &amp;Forward</source>
        <translation>Avancer d&apos;&amp;un plan</translation>
    </message>
    <message>
        <source>Send &amp;Back</source>
        <translation>Reculer d&apos;un p&amp;lan</translation>
    </message>
    <message>
        <source>&amp;Text</source>
        <translation>&amp;Texte</translation>
    </message>
    <message>
        <source>&amp;New Text</source>
        <translation>&amp;Nouveau texte</translation>
    </message>
    <message>
        <source>&amp;Edit Text</source>
        <translation>&amp;Modifier le texte</translation>
    </message>
    <message>
        <source>Text &amp;Color</source>
        <translation>&amp;Couleur du texte</translation>
    </message>
    <message>
        <source>&amp;Graphic</source>
        <translation>&amp;Image</translation>
    </message>
    <message>
        <source>&amp;New Graphic</source>
        <translation>&amp;Nouvelle image</translation>
    </message>
    <message>
        <source>Insert &amp;QR Code...</source>
        <translation>Insérer un code &amp;QR...</translation>
    </message>
    <message>
        <source>Maintain &amp;Aspect Ratio</source>
        <translation>Conserver les &amp;proportions</translation>
    </message>
    <message>
        <source>Edit Graphic</source>
        <translation>Modifier l&apos;image</translation>
    </message>
    <message>
        <source>Rotate &amp;Left</source>
        <translation>Faire pivoter à &amp;gauche</translation>
    </message>
    <message>
        <source>Rotate &amp;Right</source>
        <translation>Faire pivoter à &amp;droite</translation>
    </message>
    <message>
        <source>&amp;Mirror</source>
        <translation>&amp;Miroir</translation>
    </message>
    <message>
        <source>&amp;Label</source>
        <translation>Éti&amp;quette</translation>
    </message>
    <message>
        <source>Border &amp;Visible</source>
        <translation>Cadre &amp;visible</translation>
    </message>
    <message>
        <source>Border &amp;Color</source>
        <translation>&amp;Couleur du cadre</translation>
    </message>
    <message>
        <source>Label Background Color</source>
        <translation>Couleur de fond de l&apos;étiquette</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>Fe&amp;nêtre</translation>
    </message>
    <message>
        <source>&amp;New Window</source>
        <translation>&amp;Nouvelle fenêtre</translation>
    </message>
    <message>
        <source>&amp;Cascade</source>
        <translation>En &amp;cascade</translation>
    </message>
    <message>
        <source>Tile &amp;Horizontal</source>
        <translation>Mosaïque &amp;horizontale</translation>
    </message>
    <message>
        <source>Tile &amp;Vertical</source>
        <translation>Mosaïque &amp;verticale</translation>
    </message>
    <message>
        <source>&amp;Arrange Icons</source>
        <translation>&amp;Réorganiser les icônes</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Contents...</source>
        <translation>&amp;Sommaire...</translation>
    </message>
    <message>
        <source>Help &amp;Index...</source>
        <translation>&amp;Index de l&apos;aide...</translation>
    </message>
    <message>
        <source>&amp;Search for Help On...</source>
        <translation>&amp;Rechercher dans l&apos;aide...</translation>
    </message>
    <message>
        <source>&amp;Tip of the Day</source>
        <translation>&amp;Astuce du jour</translation>
    </message>
    <message>
        <source>&amp;Other Kelvane Software</source>
        <translation>&amp;Autres logiciels Kelvane</translation>
    </message>
    <message>
        <source>&amp;About </source>
        <translation>À &amp;propos </translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Aperçu avant impression</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Couper</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Sélectionner</translation>
    </message>
    <message>
        <source>Select Label Size</source>
        <translation>Choisir la taille d&apos;étiquette</translation>
    </message>
    <message>
        <source>Horizontal Center</source>
        <translation>Centrer horizontalement</translation>
    </message>
    <message>
        <source>Horizontal Alignment</source>
        <translation>Alignement horizontal</translation>
    </message>
    <message>
        <source>Vertical Center</source>
        <translation>Centrer verticalement</translation>
    </message>
    <message>
        <source>Vertical Alignment</source>
        <translation>Alignement vertical</translation>
    </message>
    <message>
        <source>Add Image</source>
        <translation>Ajouter une image</translation>
    </message>
    <message>
        <source>Add QR Code</source>
        <translation>Ajouter un code QR</translation>
    </message>
    <message>
        <source>Insert QR Code</source>
        <translation>Insérer un code QR</translation>
    </message>
    <message>
        <source>Aspect Ratio</source>
        <translation>Proportions</translation>
    </message>
    <message>
        <source>Maintain Aspect Ratio</source>
        <translation>Conserver les proportions</translation>
    </message>
    <message>
        <source>Bring Forward</source>
        <translation>Avancer d&apos;un plan</translation>
    </message>
    <message>
        <source>Send Back</source>
        <translation>Reculer d&apos;un plan</translation>
    </message>
    <message>
        <source>Rotate Left</source>
        <translation>Faire pivoter à gauche</translation>
    </message>
    <message>
        <source>Rotate Right</source>
        <translation>Faire pivoter à droite</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>Miroir</translation>
    </message>
    <message>
        <source>Add Text</source>
        <translation>Ajouter du texte</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>Couleur du texte</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Gras</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Italique</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Souligné</translation>
    </message>
    <message>
        <source>Shadow</source>
        <translation>Ombre</translation>
    </message>
    <message>
        <source>Align Left</source>
        <translation>Aligner à gauche</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Centrer</translation>
    </message>
    <message>
        <source>Align Right</source>
        <translation>Aligner à droite</translation>
    </message>
    <message>
        <source>Rotate Text Left</source>
        <translation>Faire pivoter le texte à gauche</translation>
    </message>
    <message>
        <source>Rotate Text Right</source>
        <translation>Faire pivoter le texte à droite</translation>
    </message>
    <message>
        <source>Show Border</source>
        <translation>Afficher le cadre</translation>
    </message>
    <message>
        <source>Border Color</source>
        <translation>Couleur du cadre</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Right Align</source>
        <translation>Aligner à droite</translation>
    </message>
    <message>
        <source>Left Align</source>
        <translation>Aligner à gauche</translation>
    </message>
    <message>
        <source>Top Align</source>
        <translation>Aligner en haut</translation>
    </message>
    <message>
        <source>Bottom Align</source>
        <translation>Aligner en bas</translation>
    </message>
    <message>
        <source>Makes this label and every new label a beer label, 3.75 in high and 3 in wide; Undo resizes only this label</source>
        <translation>Fait de cette étiquette et de toute nouvelle étiquette une étiquette de bière, de 3,75 in de haut sur 3 in de large ; Annuler ne redimensionne que cette étiquette</translation>
    </message>
    <message>
        <source>Makes this label and every new label a wine label, 4 in high and 5 in wide; Undo resizes only this label</source>
        <translation>Fait de cette étiquette et de toute nouvelle étiquette une étiquette de vin, de 4 in de haut sur 5 in de large ; Annuler ne redimensionne que cette étiquette</translation>
    </message>
    <message>
        <source>Fonts</source>
        <translation>Polices</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>Taille de police</translation>
    </message>
    <message>
        <source>Border Width</source>
        <translation>Épaisseur du cadre</translation>
    </message>
    <message>
        <source>Border Style</source>
        <translation>Style du cadre</translation>
    </message>
    <message>
        <source>Main</source>
        <translation>Principale</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Border</source>
        <translation>Cadre</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Corkcrafter Files (*.ckm)|*.ckm|All Files (*.*)|*.*</source>
        <translation>Fichiers Corkcrafter (*.ckm)|*.ckm|Tous les fichiers (*.*)|*.*</translation>
    </message>
    <message>
        <source>Label %1</source>
        <translation>Étiquette %1</translation>
    </message>
    <message>
        <source>Open Corkcrafter File</source>
        <translation>Ouvrir un fichier Corkcrafter</translation>
    </message>
    <message>
        <source>File &quot;%1&quot; Not Found</source>
        <translation>Fichier « %1 » introuvable</translation>
    </message>
    <message>
        <source>File Open Error</source>
        <translation>Erreur d&apos;ouverture</translation>
    </message>
    <message>
        <source>A label file cannot keep these characters of the label&apos;s texts; they would be saved as &quot;?&quot;:
%1

Save &quot;%2&quot; anyway?</source>
        <translation>Un fichier d&apos;étiquette ne peut pas conserver ces caractères des textes de l&apos;étiquette ; ils seraient enregistrés comme « ? » :
%1

Enregistrer « %2 » quand même ?</translation>
    </message>
    <message>
        <source>Save Corkcrafter File</source>
        <translation>Enregistrer le fichier Corkcrafter</translation>
    </message>
    <message>
        <source>The label could not be saved to &quot;%1&quot;: %2
Any earlier version of the file is unchanged.</source>
        <translation>L&apos;étiquette n&apos;a pas pu être enregistrée dans « %1 » : %2
Une version antérieure du fichier reste inchangée.</translation>
    </message>
    <message>
        <source>You must have a Label Loaded to set Properties</source>
        <translation>Une étiquette doit être chargée pour définir ses propriétés</translation>
    </message>
    <message>
        <source>Nothing available to preview</source>
        <translation>Rien à afficher dans l&apos;aperçu</translation>
    </message>
    <message>
        <source>Picture Files (%1)|%1|All Files (*.*)|*.*</source>
        <translation>Fichiers d&apos;image (%1)|%1|Tous les fichiers (*.*)|*.*</translation>
    </message>
    <message>
        <source>Select Graphic File</source>
        <translation>Choisir un fichier d&apos;image</translation>
    </message>
    <message>
        <source>Waiting for the picture editor to close…</source>
        <translation>En attente de la fermeture de l&apos;éditeur d&apos;images…</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Annuler : %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Rétablir : %1</translation>
    </message>
    <message>
        <source>Nothing Selected</source>
        <translation>Aucune sélection</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Nothing on the Clipboard that can be Pasted</source>
        <translation>Le presse-papiers ne contient rien qui puisse être collé</translation>
    </message>
    <message>
        <source>Save the label first: the data file it prints from is remembered with the label file.</source>
        <translation>Enregistrez d&apos;abord l&apos;étiquette : le fichier de données dont elle s&apos;imprime est mémorisé avec le fichier d&apos;étiquette.</translation>
    </message>
    <message>
        <source>%1 prints a label for each row of &quot;%2&quot;.

Yes: choose another data file.
No: forget it; the label prints as before.
Cancel: keep it.</source>
        <translation>%1 imprime une étiquette pour chaque ligne de « %2 ».

Oui : choisir un autre fichier de données.
Non : l&apos;oublier ; l&apos;étiquette s&apos;imprime comme avant.
Annuler : le garder.</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Données</translation>
    </message>
    <message>
        <source>Data for %1</source>
        <translation>Données pour %1</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)|*.csv|All Files (*.*)|*.*</source>
        <translation>Fichiers CSV (*.csv)|*.csv|Tous les fichiers (*.*)|*.*</translation>
    </message>
    <message>
        <source>The label prints as before.</source>
        <translation>L&apos;étiquette s&apos;imprime comme avant.</translation>
    </message>
    <message>
        <source>Nothing was printed.</source>
        <translation>Rien n&apos;a été imprimé.</translation>
    </message>
    <message>
        <source>&amp;Position and Size</source>
        <translation>&amp;Position et taille</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Zoom avant</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Zoom arri&amp;ère</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>Taille ré&amp;elle</translation>
    </message>
    <message>
        <source>Fit &amp;Label</source>
        <translation>A&amp;juster l&apos;étiquette</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
</context>
<context>
    <name>frmOptions</name>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Default Label Specs</source>
        <translation>Mesures d&apos;étiquette par défaut</translation>
    </message>
    <message>
        <source>Border Defaults</source>
        <translation>Cadre par défaut</translation>
    </message>
    <message>
        <source>Grids &amp;&amp; Guides</source>
        <translation>Grilles &amp;&amp; repères</translation>
    </message>
    <message>
        <source>File Locations</source>
        <translation>Emplacements des fichiers</translation>
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
        <source>&amp;Apply</source>
        <translation>A&amp;ppliquer</translation>
    </message>
    <message>
        <source>Label Type/Size</source>
        <translation>Type/taille d&apos;étiquette</translation>
    </message>
    <message>
        <source>Default &amp;Beer Label</source>
        <translation>Étiquette de &amp;bière par défaut</translation>
    </message>
    <message>
        <source>Default &amp;Wine Label</source>
        <translation>Étiquette de &amp;vin par défaut</translation>
    </message>
    <message>
        <source>&amp;Custom Label Size</source>
        <translation>Taille d&apos;étiquette &amp;personnalisée</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Largeur :</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Hauteur :</translation>
    </message>
    <message>
        <source>Paper Specifications</source>
        <translation>Caractéristiques du papier</translation>
    </message>
    <message>
        <source>Paper Size:</source>
        <translation>Format du papier :</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Portrait</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Paysage</translation>
    </message>
    <message>
        <source>Top Margin:</source>
        <translation>Marge haute :</translation>
    </message>
    <message>
        <source>Left Margin:</source>
        <translation>Marge gauche :</translation>
    </message>
    <message>
        <source>Between Rows:</source>
        <translation>Entre les rangées :</translation>
    </message>
    <message>
        <source>Between Cols:</source>
        <translation>Entre les colonnes :</translation>
    </message>
    <message>
        <source>Cutmarks</source>
        <translation>Traits de coupe</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>Outside Only</source>
        <translation>Extérieur seulement</translation>
    </message>
    <message>
        <source>Inside/Outside</source>
        <translation>Intérieur/extérieur</translation>
    </message>
    <message>
        <source>Fine Lines</source>
        <translation>Lignes fines</translation>
    </message>
    <message>
        <source>Printer Test</source>
        <translation>Test d&apos;imprimante</translation>
    </message>
    <message>
        <source>Printer &amp;Setup</source>
        <translation>&amp;Configuration de l&apos;imprimante</translation>
    </message>
    <message>
        <source>Border Visible</source>
        <translation>Cadre visible</translation>
    </message>
    <message>
        <source>Border Style</source>
        <translation>Style du cadre</translation>
    </message>
    <message>
        <source>Border Width</source>
        <translation>Épaisseur du cadre</translation>
    </message>
    <message>
        <source>Border Color</source>
        <translation>Couleur du cadre</translation>
    </message>
    <message>
        <source>Alignment Grid</source>
        <translation>Grille d&apos;alignement</translation>
    </message>
    <message>
        <source>Grid Width:</source>
        <translation>Largeur de la grille :</translation>
    </message>
    <message>
        <source>Grid Height:</source>
        <translation>Hauteur de la grille :</translation>
    </message>
    <message>
        <source>Set To &amp;Defaults</source>
        <translation>Valeurs par &amp;défaut</translation>
    </message>
    <message>
        <source>Alignment Guides</source>
        <translation>Repères d&apos;alignement</translation>
    </message>
    <message>
        <source>Center Reference - Measure from Center</source>
        <translation>Référence centre - mesurer depuis le centre</translation>
    </message>
    <message>
        <source>Upper Left Reference - Measure from Upper Left</source>
        <translation>Référence haut gauche - mesurer depuis le coin supérieur gauche</translation>
    </message>
    <message>
        <source>Lower Left Reference - Measure from Lower Left</source>
        <translation>Référence bas gauche - mesurer depuis le coin inférieur gauche</translation>
    </message>
    <message>
        <source>Label Folder:</source>
        <translation>Dossier des étiquettes :</translation>
    </message>
    <message>
        <source>Graphics Folder:</source>
        <translation>Dossier des images :</translation>
    </message>
    <message>
        <source>Template Folder:</source>
        <translation>Dossier des modèles :</translation>
    </message>
    <message>
        <source>Default Template:</source>
        <translation>Modèle par défaut :</translation>
    </message>
    <message>
        <source>Graphics Editor:</source>
        <translation>Éditeur d&apos;images :</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Select Startup Label Folder</source>
        <translation>Choisir le dossier des étiquettes au démarrage</translation>
    </message>
    <message>
        <source>Select Startup Graphics Folder</source>
        <translation>Choisir le dossier des images au démarrage</translation>
    </message>
    <message>
        <source>Select Startup Template Folder</source>
        <translation>Choisir le dossier des modèles au démarrage</translation>
    </message>
    <message>
        <source>Select Startup Corkcrafter Template</source>
        <translation>Choisir le modèle Corkcrafter du démarrage</translation>
    </message>
    <message>
        <source>Corkcrafter Files (*.ckm)|*.ckm</source>
        <translation>Fichiers Corkcrafter (*.ckm)|*.ckm</translation>
    </message>
    <message>
        <source>Select the Graphics Editor Program</source>
        <translation>Choisir le programme d&apos;édition d&apos;images</translation>
    </message>
    <message>
        <source>Programs|*</source>
        <translation>Programmes|*</translation>
    </message>
    <message>
        <source>Custom sheet</source>
        <translation>Planche personnalisée</translation>
    </message>
    <message>
        <source>%1 has round labels. They print as rectangles of the same size: give the label an oval border frame?</source>
        <translation>%1 a des étiquettes rondes. Elles s&apos;impriment comme des rectangles de même taille : donner à l&apos;étiquette un cadre ovale ?</translation>
    </message>
    <message>
        <source>%1 has elliptical labels. They print as rectangles of the same size: give the label an oval border frame?</source>
        <translation>%1 a des étiquettes elliptiques. Elles s&apos;impriment comme des rectangles de même taille : donner à l&apos;étiquette un cadre ovale ?</translation>
    </message>
    <message>
        <source>The printer has no %1 paper. Choose the paper in Printer Setup before printing.</source>
        <translation>L&apos;imprimante n&apos;a pas de papier %1. Choisissez le papier dans la configuration de l&apos;imprimante avant d&apos;imprimer.</translation>
    </message>
    <message>
        <source>Inches</source>
        <translation>Pouces</translation>
    </message>
    <message>
        <source>Millimetres</source>
        <translation>Millimètres</translation>
    </message>
    <message>
        <source>&amp;Units:</source>
        <translation>&amp;Unités :</translation>
    </message>
    <message>
        <source>%1 x %2 mm</source>
        <translation>%1 x %2 mm</translation>
    </message>
</context>
<context>
    <name>frmPreview</name>
    <message>
        <source>Page%1 of%2</source>
        <translation>Page%1 sur%2</translation>
    </message>
    <message>
        <source>Page Width</source>
        <translation>Largeur de page</translation>
    </message>
    <message>
        <source>Whole Page</source>
        <translation>Page entière</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Aperçu avant impression</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <source>&amp;Save to File</source>
        <translation>&amp;Enregistrer dans un fichier</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>Affic&amp;hage</translation>
    </message>
    <message>
        <source>&amp;Previous Page</source>
        <translation>Page &amp;précédente</translation>
    </message>
    <message>
        <source>&amp;Next Page</source>
        <translation>Page &amp;suivante</translation>
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
        <source>Help &amp;Index...</source>
        <translation>&amp;Index de l&apos;aide...</translation>
    </message>
    <message>
        <source>Print Report</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Save Report to Disk</source>
        <translation>Enregistrer dans un fichier</translation>
    </message>
    <message>
        <source>Show Previous Page</source>
        <translation>Afficher la page précédente</translation>
    </message>
    <message>
        <source>Show Next Page</source>
        <translation>Afficher la page suivante</translation>
    </message>
    <message>
        <source>Close Preview Window</source>
        <translation>Fermer l&apos;aperçu</translation>
    </message>
    <message>
        <source>Pg 1 of 1</source>
        <translation>P. 1 sur 1</translation>
    </message>
    <message>
        <source>Scaling Factor Must be Between 10% - 150%</source>
        <translation>Le facteur d&apos;échelle doit être compris entre 10 % et 150 %</translation>
    </message>
    <message>
        <source>The preview shows the label without its data.</source>
        <translation>L&apos;aperçu montre l&apos;étiquette sans ses données.</translation>
    </message>
    <message>
        <source>Nothing was printed.</source>
        <translation>Rien n&apos;a été imprimé.</translation>
    </message>
    <message>
        <source>%1 label</source>
        <translation>%1 étiquette</translation>
    </message>
    <message>
        <source>%1 labels</source>
        <translation>%1 étiquettes</translation>
    </message>
    <message>
        <source>%1 sheet</source>
        <translation>%1 feuille</translation>
    </message>
    <message>
        <source>%1 sheets</source>
        <translation>%1 feuilles</translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>Print Preview - %1</source>
        <translation>Aperçu avant impression - %1</translation>
    </message>
    <message>
        <source>Save to File</source>
        <translation>Enregistrer dans un fichier</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)|*.pdf</source>
        <translation>Fichiers PDF (*.pdf)|*.pdf</translation>
    </message>
    <message>
        <source>Labels</source>
        <translation>Étiquettes</translation>
    </message>
    <message>
        <source>Nothing was saved.</source>
        <translation>Rien n&apos;a été enregistré.</translation>
    </message>
    <message>
        <source>The sheet could not be saved to &quot;%1&quot;: %2
Any earlier version of the file is unchanged.</source>
        <translation>La feuille n&apos;a pas pu être enregistrée dans « %1 » : %2
Une version antérieure du fichier reste inchangée.</translation>
    </message>
    <message>
        <source>tbToolbar</source>
        <extracomment>The preview&apos;s toolbar as the toolbar menu names it; in English it keeps its control name.</extracomment>
        <translation>Barre d&apos;outils</translation>
    </message>
</context>
<context>
    <name>frmPrintSeveral</name>
    <message>
        <source>Print Several Labels</source>
        <translation>Imprimer plusieurs étiquettes</translation>
    </message>
    <message>
        <source>How many of each label to print. The sheets fill in this order, one label after another; the labels must be the same size.</source>
        <translation>Combien d&apos;exemplaires de chaque étiquette imprimer. Les feuilles se remplissent dans cet ordre, une étiquette après l&apos;autre ; les étiquettes doivent avoir la même taille.</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Étiquette</translation>
    </message>
    <message>
        <source>Labels</source>
        <translation>Étiquettes</translation>
    </message>
    <message>
        <source>&amp;Add File...</source>
        <translation>&amp;Ajouter un fichier...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimer...</translation>
    </message>
    <message>
        <source>Pre&amp;view</source>
        <translation>A&amp;perçu</translation>
    </message>
    <message>
        <source>Add Label File</source>
        <translation>Ajouter un fichier d&apos;étiquette</translation>
    </message>
    <message>
        <source>Corkcrafter Files (*.ckm)|*.ckm|All Files (*.*)|*.*</source>
        <translation>Fichiers Corkcrafter (*.ckm)|*.ckm|Tous les fichiers (*.*)|*.*</translation>
    </message>
    <message>
        <source>Please give at least one label a number of labels to print.</source>
        <translation>Veuillez indiquer pour au moins une étiquette un nombre d&apos;étiquettes à imprimer.</translation>
    </message>
</context>
<context>
    <name>frmQrInput</name>
    <message>
        <source>QR Code</source>
        <translation>Code QR</translation>
    </message>
    <message>
        <source>L (7% may be damaged)</source>
        <translation>L (7 % peuvent être abîmés)</translation>
    </message>
    <message>
        <source>&amp;Data:</source>
        <translation>&amp;Données :</translation>
    </message>
    <message>
        <source>&amp;Error correction:</source>
        <translation>&amp;Correction d&apos;erreurs :</translation>
    </message>
    <message>
        <source>The colour of the code&apos;s dark squares</source>
        <translation>La couleur des carrés sombres du code</translation>
    </message>
    <message>
        <source>&amp;Color:</source>
        <translation>C&amp;ouleur :</translation>
    </message>
    <message>
        <source>Up to %1 characters. Fields such as ${n} or ${Column} give every printed label its own code.</source>
        <translation>Jusqu&apos;à %1 caractères. Des champs comme ${n} ou ${Column} donnent à chaque étiquette imprimée son propre code.</translation>
    </message>
    <message>
        <source>QR Code Color</source>
        <translation>Couleur du code QR</translation>
    </message>
</context>
<context>
    <name>frmSplash</name>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
</context>
<context>
    <name>frmTextInput</name>
    <message>
        <source>Text Input</source>
        <translation>Saisie du texte</translation>
    </message>
    <message>
        <source>Text Rotation Angle:</source>
        <translation>Angle de rotation du texte :</translation>
    </message>
    <message>
        <source>Degrees</source>
        <translation>degrés</translation>
    </message>
    <message>
        <source>Autofit Text</source>
        <translation>Ajuster le texte automatiquement</translation>
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
        <source>A label file cannot keep these characters; saving would turn each into &quot;?&quot;: %1</source>
        <translation>Un fichier d&apos;étiquette ne peut pas conserver ces caractères ; l&apos;enregistrement changerait chacun en « ? » : %1</translation>
    </message>
    <message>
        <source>The rotation angle must be a number of degrees, for example 0, 90, 180 or 270.</source>
        <translation>L&apos;angle de rotation doit être un nombre de degrés, par exemple 0, 90, 180 ou 270.</translation>
    </message>
</context>
<context>
    <name>frmTip</name>
    <message>
        <source>Tip of the Day</source>
        <translation>Astuce du jour</translation>
    </message>
    <message>
        <source>Did you know...</source>
        <translation>Le saviez-vous...</translation>
    </message>
    <message>
        <source>&amp;Show Tips at Startup</source>
        <translation>&amp;Afficher les astuces au démarrage</translation>
    </message>
    <message>
        <source>&amp;Next Tip</source>
        <translation>Astuce &amp;suivante</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The file that holds the Tips, &quot;TipOfDay.fil&quot; was not found.</source>
        <translation>Le fichier des astuces, « TipOfDay.fil », est introuvable.</translation>
    </message>
    <message>
        <source>As a result, the &quot;Tip of the Day&quot; function will now be disabled at startup. </source>
        <translation>Par conséquent, l&apos;« astuce du jour » sera désormais désactivée au démarrage. </translation>
    </message>
</context>
<context>
    <name>options</name>
    <message>
        <source>Width Cannot Exceed the Paper Width</source>
        <translation>La largeur ne peut pas dépasser celle du papier</translation>
    </message>
    <message>
        <source>Width Must be Greater than 0.0</source>
        <translation>La largeur doit être supérieure à 0,0</translation>
    </message>
    <message>
        <source>Height Cannot Exceed the Paper Height</source>
        <translation>La hauteur ne peut pas dépasser celle du papier</translation>
    </message>
    <message>
        <source>Height Must be Greater than 0.0</source>
        <translation>La hauteur doit être supérieure à 0,0</translation>
    </message>
    <message>
        <source>Top Margin Cannot Exceed 1/2 the Paper Height</source>
        <translation>La marge haute ne peut pas dépasser la moitié de la hauteur du papier</translation>
    </message>
    <message>
        <source>Top Margin Must be Greater than -0.5</source>
        <translation>La marge haute doit être supérieure à -0,5</translation>
    </message>
    <message>
        <source>Left Margin Cannot Exceed 1/2 the Paper Width</source>
        <translation>La marge gauche ne peut pas dépasser la moitié de la largeur du papier</translation>
    </message>
    <message>
        <source>Left Margin Must be Greater than -0.5</source>
        <translation>La marge gauche doit être supérieure à -0,5</translation>
    </message>
    <message>
        <source>Row Spacing Cannot Exceed 1/2 the Paper Height</source>
        <translation>L&apos;espacement des rangées ne peut pas dépasser la moitié de la hauteur du papier</translation>
    </message>
    <message>
        <source>Row Spacing May Not Be Less than 0.0</source>
        <translation>L&apos;espacement des rangées ne peut pas être inférieur à 0,0</translation>
    </message>
    <message>
        <source>Column Spacing Cannot Exceed 1/2 the Paper Width</source>
        <translation>L&apos;espacement des colonnes ne peut pas dépasser la moitié de la largeur du papier</translation>
    </message>
    <message>
        <source>Column Spacing May Not Be Less than 0.0</source>
        <translation>L&apos;espacement des colonnes ne peut pas être inférieur à 0,0</translation>
    </message>
    <message>
        <source>Maximum Grid Width is 500, Reset to Default</source>
        <translation>La largeur de grille maximale est 500, valeur par défaut rétablie</translation>
    </message>
    <message>
        <source>Grid Width Must be Greater than 2, Reset to Default</source>
        <translation>La largeur de grille doit être supérieure à 2, valeur par défaut rétablie</translation>
    </message>
    <message>
        <source>Maximum Grid Height is 500, Reset to Default</source>
        <translation>La hauteur de grille maximale est 500, valeur par défaut rétablie</translation>
    </message>
    <message>
        <source>Grid Height Must be Greater than 2, Reset to Default</source>
        <translation>La hauteur de grille doit être supérieure à 2, valeur par défaut rétablie</translation>
    </message>
    <message>
        <source>Deactivate Template file: &apos;%1&apos;?</source>
        <translation>Désactiver le fichier modèle « %1 » ?</translation>
    </message>
    <message>
        <source>Width Must be Greater than 0 mm</source>
        <translation>La largeur doit être supérieure à 0 mm</translation>
    </message>
    <message>
        <source>Height Must be Greater than 0 mm</source>
        <translation>La hauteur doit être supérieure à 0 mm</translation>
    </message>
    <message>
        <source>Top Margin Must be Greater than -12.7 mm</source>
        <translation>La marge haute doit être supérieure à -12,7 mm</translation>
    </message>
    <message>
        <source>Left Margin Must be Greater than -12.7 mm</source>
        <translation>La marge gauche doit être supérieure à -12,7 mm</translation>
    </message>
    <message>
        <source>Row Spacing May Not Be Less than 0 mm</source>
        <translation>L&apos;espacement des rangées ne peut pas être inférieur à 0 mm</translation>
    </message>
    <message>
        <source>Column Spacing May Not Be Less than 0 mm</source>
        <translation>L&apos;espacement des colonnes ne peut pas être inférieur à 0 mm</translation>
    </message>
</context>
<context>
    <name>pdf</name>
    <message>
        <source>The PDF could not be written to &quot;%1&quot;: %2</source>
        <translation>Le PDF n&apos;a pas pu être écrit dans « %1 » : %2</translation>
    </message>
    <message>
        <source>the PDF could not be made</source>
        <translation>le PDF n&apos;a pas pu être créé</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>c&apos;est un dossier</translation>
    </message>
    <message>
        <source>drawing the sheet failed</source>
        <translation>le dessin de la feuille a échoué</translation>
    </message>
</context>
<context>
    <name>pictures</name>
    <message>
        <source>File not found</source>
        <translation>Fichier introuvable</translation>
    </message>
    <message>
        <source>Windows metafiles are not supported by this build</source>
        <translation>Les métafichiers Windows ne sont pas pris en charge par cette version</translation>
    </message>
    <message>
        <source>Not a Windows metafile (enhanced metafiles are not supported)</source>
        <translation>Ce n&apos;est pas un métafichier Windows (les métafichiers améliorés ne sont pas pris en charge)</translation>
    </message>
    <message>
        <source>The metafile&apos;s header is damaged</source>
        <translation>L&apos;en-tête du métafichier est endommagé</translation>
    </message>
    <message>
        <source>The metafile library could not start</source>
        <translation>La bibliothèque de métafichiers n&apos;a pas pu démarrer</translation>
    </message>
    <message>
        <source>The metafile could not be opened</source>
        <translation>Le métafichier n&apos;a pas pu être ouvert</translation>
    </message>
    <message>
        <source>The metafile is damaged</source>
        <translation>Le métafichier est endommagé</translation>
    </message>
    <message>
        <source>The metafile has no size</source>
        <translation>Le métafichier n&apos;a pas de taille</translation>
    </message>
    <message>
        <source>The metafile could not be drawn</source>
        <translation>Le métafichier n&apos;a pas pu être dessiné</translation>
    </message>
</context>
<context>
    <name>printjob</name>
    <message>
        <source>The sheet cannot be printed: its layout would put more than 10,000 labels on one page (%1 across, %2 down). Please check the label size, the margins and the row and column spacing.</source>
        <translation>La feuille ne peut pas être imprimée : sa disposition placerait plus de 10 000 étiquettes sur une page (%1 en largeur, %2 en hauteur). Veuillez vérifier la taille de l&apos;étiquette, les marges et l&apos;espacement des rangées et des colonnes.</translation>
    </message>
    <message>
        <source> and </source>
        <translation> et </translation>
    </message>
    <message>
        <source>column %1</source>
        <translation>la colonne %1</translation>
    </message>
    <message>
        <source>columns %1</source>
        <translation>les colonnes %1</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>la rangée %1</translation>
    </message>
    <message>
        <source>rows %1</source>
        <translation>les rangées %1</translation>
    </message>
    <message>
        <source>The printer cannot reach the whole of %1 of the sheet: what lies in its unprintable border will be missing on the paper.</source>
        <translation>L&apos;imprimante ne peut pas atteindre entièrement %1 de la feuille : ce qui se trouve dans sa marge non imprimable manquera sur le papier.</translation>
    </message>
    <message>
        <source>The QR code of label %1 cannot be made: %2. Nothing was printed.</source>
        <translation>Le code QR de l&apos;étiquette %1 ne peut pas être créé : %2. Rien n&apos;a été imprimé.</translation>
    </message>
    <message>
        <source>A QR code cannot be made: %1. Nothing was printed.</source>
        <translation>Un code QR ne peut pas être créé : %1. Rien n&apos;a été imprimé.</translation>
    </message>
    <message>
        <source>Print anyway, with these fields marked on the labels?</source>
        <translation>Imprimer quand même, avec ces champs marqués sur les étiquettes ?</translation>
    </message>
    <message>
        <source>%1 x %2 in</source>
        <translation>%1 x %2 in</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is %2, not the %3 of &quot;%4&quot;: labels printed together must be the same size.</source>
        <translation>« %1 » mesure %2, et non %3 comme « %4 » : les étiquettes imprimées ensemble doivent avoir la même taille.</translation>
    </message>
    <message>
        <source>Nothing was printed.</source>
        <translation>Rien n&apos;a été imprimé.</translation>
    </message>
    <message>
        <source>Printing</source>
        <translation>Impression</translation>
    </message>
    <message>
        <source>Nothing was printed: %1.</source>
        <translation>Rien n&apos;a été imprimé : %1.</translation>
    </message>
    <message>
        <source>Writing to Print Queue</source>
        <translation>Écriture dans la file d&apos;impression</translation>
    </message>
    <message>
        <source>Error%1: Terminating Print</source>
        <translation>Erreur %1 : arrêt de l&apos;impression</translation>
    </message>
</context>
<context>
    <name>qrcode</name>
    <message>
        <source>a QR code needs some data</source>
        <translation>un code QR a besoin de données</translation>
    </message>
    <message>
        <source>%1 bytes of data are too many for a QR code at level %2</source>
        <translation>%1 octets de données, c&apos;est trop pour un code QR de niveau %2</translation>
    </message>
    <message>
        <source>Type the data the QR code holds, such as a web address.</source>
        <translation>Saisissez les données du code QR, par exemple une adresse web.</translation>
    </message>
    <message>
        <source>A label file cannot keep these characters of the QR code&apos;s data: %1.</source>
        <translation>Un fichier d&apos;étiquette ne peut pas conserver ces caractères des données du code QR : %1.</translation>
    </message>
    <message>
        <source>The QR code&apos;s data cannot end with a blank.</source>
        <translation>Les données du code QR ne peuvent pas se terminer par une espace.</translation>
    </message>
    <message>
        <source>The QR code&apos;s data is %1 characters long, and a label file keeps at most %2 characters of it. Shorten it (a short web address can lead to a longer page).</source>
        <translation>Les données du code QR comptent %1 caractères, et un fichier d&apos;étiquette en conserve au plus %2. Raccourcissez-les (une adresse web courte peut mener à une page plus longue).</translation>
    </message>
</context>
<context>
    <name>settings</name>
    <message>
        <source>Missing %1 Folder. Created</source>
        <translation>Dossier %1 manquant. Créé</translation>
    </message>
    <message>
        <source> and </source>
        <translation> et </translation>
    </message>
    <message>
        <source>Created the %1 folder in %2</source>
        <translation>Dossier %1 créé dans %2</translation>
    </message>
    <message>
        <source>Created the %1 folders in %2</source>
        <translation>Dossiers %1 créés dans %2</translation>
    </message>
    <message>
        <source>The settings could not be saved to &quot;%1&quot;: %2
They will be as before when Corkcrafter starts again.</source>
        <translation>Les réglages n&apos;ont pas pu être enregistrés dans « %1 » : %2
Ils seront comme avant au prochain démarrage de Corkcrafter.</translation>
    </message>
    <message>
        <source>WARNING: Missing Help File</source>
        <translation>AVERTISSEMENT : fichier d&apos;aide manquant</translation>
    </message>
</context>
<context>
    <name>stock</name>
    <message>
        <source>cannot start at label %1: no label fits on the sheet</source>
        <translation>impossible de commencer à l&apos;étiquette %1 : aucune étiquette ne tient sur la feuille</translation>
    </message>
    <message>
        <source>cannot start at label %1: the sheet holds %2 label</source>
        <translation>impossible de commencer à l&apos;étiquette %1 : la feuille contient %2 étiquette</translation>
    </message>
    <message>
        <source>cannot start at label %1: the sheet holds %2 labels</source>
        <translation>impossible de commencer à l&apos;étiquette %1 : la feuille contient %2 étiquettes</translation>
    </message>
    <message>
        <source>Labels are counted down each column from the top left, then down the next column.

If your printer puts everything a little off, print the printer test page (Label Properties, Printer Test) and measure on the paper how far its &quot;1.0&quot; ticks lie from the paper&apos;s left and top edges. Enter 1.0 minus what you measured: a positive value moves the print right or down. The test page and the labels move together, and the values are kept for each printer.</source>
        <translation>Les étiquettes sont comptées de haut en bas dans chaque colonne à partir du coin supérieur gauche, puis dans la colonne suivante.

Si votre imprimante décale un peu l&apos;impression, imprimez la page de test (Propriétés de l&apos;étiquette, Test d&apos;imprimante) et mesurez sur le papier la distance de ses graduations « 1.0 » aux bords gauche et haut du papier. Saisissez 1,0 moins la valeur mesurée : une valeur positive décale l&apos;impression vers la droite ou vers le bas. La page de test et les étiquettes se décalent ensemble, et les valeurs sont conservées pour chaque imprimante.</translation>
    </message>
    <message>
        <source>the label (%1 x %2 in) is larger than the labels of %3 (%4 x %5 in): it is cut off at its own edges and runs over onto the labels next to it</source>
        <translation>l&apos;étiquette (%1 x %2 in) est plus grande que les étiquettes de %3 (%4 x %5 in) : elle est coupée à ses propres bords et déborde sur les étiquettes voisines</translation>
    </message>
</context>
</TS>
