<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>LabelDocument</name>
    <message>
        <source>This label cannot hold more text items. Save it and start a new label.</source>
        <translation>Dieses Etikett kann keine weiteren Texte aufnehmen. Speichern Sie es und beginnen Sie ein neues Etikett.</translation>
    </message>
    <message>
        <source>The clipboard holds no picture</source>
        <translation>Die Zwischenablage enthält kein Bild</translation>
    </message>
    <message>
        <source>Internal Paste error</source>
        <translation>Interner Fehler beim Einfügen</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Unable to load the picture &quot;%1&quot;: %2</source>
        <translation>Das Bild „%1“ kann nicht geladen werden: %2</translation>
    </message>
    <message>
        <source>unknown format</source>
        <translation>unbekanntes Format</translation>
    </message>
    <message>
        <source>This label cannot hold more pictures. Save it and start a new label.</source>
        <translation>Dieses Etikett kann keine weiteren Bilder aufnehmen. Speichern Sie es und beginnen Sie ein neues Etikett.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the selected graphic?</source>
        <translation>Möchten Sie die ausgewählte Grafik wirklich löschen?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the selected text?</source>
        <translation>Möchten Sie den ausgewählten Text wirklich löschen?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the selected QR code?</source>
        <translation>Möchten Sie den ausgewählten QR-Code wirklich löschen?</translation>
    </message>
    <message>
        <source>the text &quot;%1...&quot; is %2 characters long, and a label file keeps at most 32,767 characters of one text (a line break counts as two). Shorten it and save again.</source>
        <translation>der Text „%1...“ ist %2 Zeichen lang, und eine Etikettendatei speichert höchstens 32.767 Zeichen eines Textes (ein Zeilenumbruch zählt doppelt). Kürzen Sie ihn und speichern Sie erneut.</translation>
    </message>
    <message>
        <source>the QR code &quot;%1&quot; cannot be saved. %2</source>
        <translation>der QR-Code „%1“ kann nicht gespeichert werden. %2</translation>
    </message>
    <message>
        <source>no free bitmap name is left</source>
        <translation>es ist kein freier Bitmap-Name mehr übrig</translation>
    </message>
    <message>
        <source>a label file cannot name the bitmap &quot;%1&quot;</source>
        <translation>eine Etikettendatei kann die Bitmap „%1“ nicht benennen</translation>
    </message>
    <message>
        <source>the picture stacking order is damaged</source>
        <translation>die Stapelreihenfolge der Bilder ist beschädigt</translation>
    </message>
    <message>
        <source>the pasted picture could not be written to the graphics folder &quot;%1&quot;: %2</source>
        <translation>das eingefügte Bild konnte nicht in den Grafikordner „%1“ geschrieben werden: %2</translation>
    </message>
    <message>
        <source>the picture &quot;%1&quot; could not be written to the graphics folder &quot;%2&quot;: %3</source>
        <translation>das Bild „%1“ konnte nicht in den Grafikordner „%2“ geschrieben werden: %3</translation>
    </message>
    <message>
        <source>Template file: %1 Does NOT exist</source>
        <translation>Vorlagendatei: %1 existiert NICHT</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Bad or Invalid Filname (File Doesn&apos;t Exist): %1</source>
        <translation>Falscher oder ungültiger Dateiname (Datei existiert nicht): %1</translation>
    </message>
    <message>
        <source>Bad Header Record in File</source>
        <translation>Fehlerhafter Kopfdatensatz in der Datei</translation>
    </message>
    <message>
        <source>Unable to Load Graphic: %1</source>
        <translation>Grafik kann nicht geladen werden: %1</translation>
    </message>
    <message>
        <source>Bad Graphic Record in File</source>
        <translation>Fehlerhafter Grafikdatensatz in der Datei</translation>
    </message>
    <message>
        <source>Bad Text Record in File</source>
        <translation>Fehlerhafter Textdatensatz in der Datei</translation>
    </message>
    <message>
        <source>This label cannot hold more QR codes. Save it and start a new label.</source>
        <translation>Dieses Etikett kann keine weiteren QR-Codes aufnehmen. Speichern Sie es und beginnen Sie ein neues Etikett.</translation>
    </message>
    <message>
        <source>A text on a label can be at most 32,767 characters long (a line break counts as two), and this one has %1.</source>
        <translation>Ein Text auf einem Etikett darf höchstens 32.767 Zeichen lang sein (ein Zeilenumbruch zählt doppelt), und dieser hat %1.</translation>
    </message>
</context>
<context>
    <name>LabelsPageWidget</name>
    <message>
        <source>Labels</source>
        <translation>Etiketten</translation>
    </message>
    <message>
        <source>Start at label:</source>
        <translation>Beginnen bei Etikett:</translation>
    </message>
    <message>
        <source> in</source>
        <translation> in</translation>
    </message>
    <message>
        <source>Move right:</source>
        <translation>Nach rechts verschieben:</translation>
    </message>
    <message>
        <source>Move down:</source>
        <translation>Nach unten verschieben:</translation>
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
        <translation>Geben Sie eine Länge in Millimetern ein, etwa 12,5</translation>
    </message>
    <message>
        <source>Type a length in inches, such as 0.5</source>
        <translation>Geben Sie eine Länge in Zoll ein, etwa 0,5</translation>
    </message>
    <message>
        <source>The length must be between -%1 and %1 %2</source>
        <translation>Die Länge muss zwischen -%1 und %1 %2 liegen</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>Zoll</translation>
    </message>
</context>
<context>
    <name>Module1</name>
    <message>
        <source>Unable to run Graphics Editor: %1</source>
        <translation>Das Grafikprogramm kann nicht gestartet werden: %1</translation>
    </message>
    <message>
        <source>Run Error</source>
        <translation>Startfehler</translation>
    </message>
</context>
<context>
    <name>PositionPanel</name>
    <message>
        <source>Position and Size</source>
        <translation>Position und Größe</translation>
    </message>
    <message>
        <source>&amp;X:</source>
        <translation>&amp;X:</translation>
    </message>
    <message>
        <source>&amp;Y:</source>
        <translation>&amp;Y:</translation>
    </message>
    <message>
        <source>&amp;Width:</source>
        <translation>&amp;Breite:</translation>
    </message>
    <message>
        <source>&amp;Height:</source>
        <translation>&amp;Höhe:</translation>
    </message>
    <message>
        <source>The width and height must be greater than 0</source>
        <translation>Breite und Höhe müssen größer als 0 sein</translation>
    </message>
    <message>
        <source>The item must stay at least partly on the label</source>
        <translation>Das Element muss wenigstens zum Teil auf dem Etikett bleiben</translation>
    </message>
</context>
<context>
    <name>QtPlatform</name>
    <message>
        <source>Save anyway</source>
        <translation>Trotzdem speichern</translation>
    </message>
    <message>
        <source>Page Setup</source>
        <translation>Seite einrichten</translation>
    </message>
    <message>
        <source>The help is not available.</source>
        <translation>Die Hilfe ist nicht verfügbar.</translation>
    </message>
</context>
<context>
    <name>Selection</name>
    <message>
        <source>Text: %1</source>
        <translation>Text: %1</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Picture: %1</source>
        <translation>Bild: %1</translation>
    </message>
    <message>
        <source>QR code: %1</source>
        <translation>QR-Code: %1</translation>
    </message>
    <message>
        <source>No item selected</source>
        <translation>Kein Element ausgewählt</translation>
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
        <translation>Rund</translation>
    </message>
    <message>
        <source>Oval</source>
        <translation>Oval</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Rechteck</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>Produkt</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Etikett</translation>
    </message>
    <message>
        <source>Across x down</source>
        <translation>Quer x hoch</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>Papier</translation>
    </message>
    <message>
        <source>Shape</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>several</source>
        <translation>mehrere</translation>
    </message>
    <message>
        <source>Stock</source>
        <translation>Etikettenbogen</translation>
    </message>
    <message>
        <source>Maker, product code or description, e.g. Avery L7165 or wine</source>
        <translation>Hersteller, Artikelnummer oder Beschreibung, z. B. Avery L7165 oder Wein</translation>
    </message>
    <message>
        <source>Custom sheet</source>
        <translation>Eigener Bogen</translation>
    </message>
</context>
<context>
    <name>Undo</name>
    <message>
        <source>Border Style</source>
        <translation>Rahmenstil</translation>
    </message>
    <message>
        <source>Border Visible</source>
        <translation>Rahmen sichtbar</translation>
    </message>
    <message>
        <source>Border Color</source>
        <translation>Rahmenfarbe</translation>
    </message>
    <message>
        <source>Border Width</source>
        <translation>Rahmenbreite</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>Hintergrundfarbe</translation>
    </message>
    <message>
        <source>New Text</source>
        <translation>Neuer Text</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>Textfarbe</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>Schriftgröße</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Schriftart</translation>
    </message>
    <message>
        <source>Edit Text</source>
        <translation>Text bearbeiten</translation>
    </message>
    <message>
        <source>Alignment</source>
        <translation>Ausrichtung</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Verschieben</translation>
    </message>
    <message>
        <source>New Picture</source>
        <translation>Neues Bild</translation>
    </message>
    <message>
        <source>Maintain Aspect Ratio</source>
        <translation>Seitenverhältnis beibehalten</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Bring Forward</source>
        <translation>Nach vorne</translation>
    </message>
    <message>
        <source>Send Back</source>
        <translation>Nach hinten</translation>
    </message>
    <message>
        <source>Align</source>
        <translation>Ausrichten</translation>
    </message>
    <message>
        <source>Resize</source>
        <translation>Größe ändern</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Drehen</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>New QR Code</source>
        <translation>Neuer QR-Code</translation>
    </message>
    <message>
        <source>Edit QR Code</source>
        <translation>QR-Code bearbeiten</translation>
    </message>
    <message>
        <source>Label Size</source>
        <translation>Etikettengröße</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Fett</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Kursiv</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Unterstrichen</translation>
    </message>
    <message>
        <source>Label Properties</source>
        <translation>Etiketteneigenschaften</translation>
    </message>
</context>
<context>
    <name>catalogue</name>
    <message>
        <source>%1 is a sheet of CD labels: Corkcrafter prints rectangular labels and cannot print around a CD&apos;s hole.</source>
        <translation>%1 ist ein Bogen mit CD-Etiketten: Corkcrafter druckt rechteckige Etiketten und kann nicht um das Loch einer CD herum drucken.</translation>
    </message>
    <message>
        <source>%1 has its labels in %2 groups of different spacing: Corkcrafter prints one grid of labels a sheet.</source>
        <translation>%1 hat seine Etiketten in %2 Gruppen mit unterschiedlichen Abständen: Corkcrafter druckt ein Etikettenraster pro Bogen.</translation>
    </message>
    <message>
        <source>%1 has no layout of labels to print.</source>
        <translation>%1 hat keine Anordnung von Etiketten zum Drucken.</translation>
    </message>
    <message>
        <source>%1 puts labels up to %2 mm beyond the edge of its paper (%3): its entry in the catalogue cannot be right, so it is not printed on.</source>
        <translation>%1 setzt Etiketten bis zu %2 mm über den Rand seines Papiers (%3) hinaus: Sein Katalogeintrag kann nicht stimmen, daher wird darauf nicht gedruckt.</translation>
    </message>
    <message>
        <source>%1 round</source>
        <translation>%1 rund</translation>
    </message>
    <message>
        <source>%1 oval</source>
        <translation>%1 oval</translation>
    </message>
    <message>
        <source>%1 labels in %2 groups</source>
        <translation>%1 Etiketten in %2 Gruppen</translation>
    </message>
    <message>
        <source>%1, %2 on %3</source>
        <translation>%1, %2 auf %3</translation>
    </message>
</context>
<context>
    <name>csv</name>
    <message>
        <source>the file is empty</source>
        <translation>die Datei ist leer</translation>
    </message>
    <message>
        <source>the first row has no column &quot;%1&quot; for the number of copies</source>
        <translation>die erste Zeile hat keine Spalte „%1“ für die Anzahl der Exemplare</translation>
    </message>
    <message>
        <source>1 value</source>
        <translation>1 Wert</translation>
    </message>
    <message>
        <source>%1 values</source>
        <translation>%1 Werte</translation>
    </message>
    <message>
        <source>1 column</source>
        <translation>1 Spalte</translation>
    </message>
    <message>
        <source>%1 columns</source>
        <translation>%1 Spalten</translation>
    </message>
    <message>
        <source>line %1: %2 where the first row names %3</source>
        <translation>Zeile %1: %2, wo die erste Zeile %3 nennt</translation>
    </message>
    <message>
        <source>line %1: the number of copies &quot;%2&quot; is not a whole number from 0 to %3</source>
        <translation>Zeile %1: die Anzahl der Exemplare „%2“ ist keine ganze Zahl von 0 bis %3</translation>
    </message>
    <message>
        <source>the file names its columns but has no rows</source>
        <translation>die Datei benennt ihre Spalten, hat aber keine Zeilen</translation>
    </message>
    <message>
        <source>Data file &quot;%1&quot; Not Found</source>
        <translation>Datendatei „%1“ nicht gefunden</translation>
    </message>
    <message>
        <source>%1: the file is %2 MiB, too large for a list of labels (at most %3 MiB)</source>
        <translation>%1: die Datei ist %2 MiB groß, zu groß für eine Liste von Etiketten (höchstens %3 MiB)</translation>
    </message>
    <message>
        <source>%1: the file grew past %2 MiB while read</source>
        <translation>%1: die Datei ist beim Lesen über %2 MiB gewachsen</translation>
    </message>
</context>
<context>
    <name>description</name>
    <message>
        <source>The label description was not used. It has %1 texts, and this label can take only %2 more.</source>
        <translation>Die Etikettenbeschreibung wurde nicht verwendet. Sie hat %1 Texte, und dieses Etikett kann nur noch %2 aufnehmen.</translation>
    </message>
    <message>
        <source>The label description was not used.</source>
        <translation>Die Etikettenbeschreibung wurde nicht verwendet.</translation>
    </message>
</context>
<context>
    <name>fields</name>
    <message>
        <source>%1: the field is not closed with }</source>
        <translation>%1: das Feld wird nicht mit } geschlossen</translation>
    </message>
    <message>
        <source>%1: the field has no name</source>
        <translation>%1: das Feld hat keinen Namen</translation>
    </message>
    <message>
        <source>%1: a number takes a zero and a width, such as %2</source>
        <translation>%1: eine Nummer nimmt eine Null und eine Breite, etwa %2</translation>
    </message>
    <message>
        <source>%1: a data column takes no format</source>
        <translation>%1: eine Datenspalte nimmt kein Format</translation>
    </message>
    <message>
        <source>%1: there is no data to take it from</source>
        <translation>%1: es gibt keine Daten, aus denen es genommen werden kann</translation>
    </message>
    <message>
        <source>%1: the data has no column of that name</source>
        <translation>%1: die Daten haben keine Spalte dieses Namens</translation>
    </message>
    <message>
        <source>These fields of the label&apos;s texts cannot be filled in: %1.</source>
        <translation>Diese Felder der Etikettentexte können nicht ausgefüllt werden: %1.</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Corkcrafter - Label Designer helps you design creative bottle labels for your home-made beers and wines.  It is capable of creating labels of any size up to the maximum size supported by your printer.</source>
        <translation>Corkcrafter - Label Designer hilft Ihnen, kreative Flaschenetiketten für Ihre selbstgemachten Biere und Weine zu gestalten.  Es erstellt Etiketten jeder Größe bis zur größten, die Ihr Drucker unterstützt.</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
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
        <translation>&amp;Systeminformationen...</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Systeminformationen sind zurzeit nicht verfügbar</translation>
    </message>
</context>
<context>
    <name>frmDocument</name>
    <message>
        <source>Label. Tab and Shift+Tab select the next and previous item, Escape selects none.</source>
        <translation>Etikett. Tab und Umschalt+Tab wählen das nächste und vorige Element, Escape hebt die Auswahl auf.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; has Changed, Save the Changes?</source>
        <translation>„%1“ wurde geändert. Änderungen speichern?</translation>
    </message>
</context>
<context>
    <name>frmHelp</name>
    <message>
        <source>The help file &quot;%1&quot; is missing, so help cannot be shown.
Installing Corkcrafter again puts it back.</source>
        <translation>Die Hilfedatei „%1“ fehlt, daher kann die Hilfe nicht angezeigt werden.
Eine erneute Installation von Corkcrafter stellt sie wieder her.</translation>
    </message>
    <message>
        <source>it is not a help file</source>
        <translation>es ist keine Hilfedatei</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>sie kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>The help file &quot;%1&quot; could not be opened: %2</source>
        <translation>Die Hilfedatei „%1“ konnte nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>Corkcrafter 2 Help</source>
        <translation>Corkcrafter 2 Hilfe</translation>
    </message>
    <message>
        <source>%1 - Corkcrafter 2 Help</source>
        <translation>%1 - Corkcrafter 2 Hilfe</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>&amp;Look for:</source>
        <translation>&amp;Suchen nach:</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>In&amp;dex</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Suche</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
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
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
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
        <source>Save A&amp;ll</source>
        <translation>&amp;Alle speichern</translation>
    </message>
    <message>
        <source>Default &amp;Beer Label</source>
        <translation>Standard-&amp;Bieretikett</translation>
    </message>
    <message>
        <source>Default &amp;Wine Label</source>
        <translation>Standard-&amp;Weinetikett</translation>
    </message>
    <message>
        <source>&amp;Label Properties/Options...</source>
        <translation>&amp;Etiketteneigenschaften/Optionen...</translation>
    </message>
    <message>
        <source>&amp;Data...</source>
        <translation>&amp;Daten...</translation>
    </message>
    <message>
        <source>Page Set&amp;up...</source>
        <translation>Seite ein&amp;richten...</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>Druck&amp;vorschau</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>Print S&amp;everal Labels...</source>
        <translation>&amp;Mehrere Etiketten drucken...</translation>
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
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Werkzeugleiste</translation>
    </message>
    <message>
        <source>Status &amp;Bar</source>
        <translation>&amp;Statusleiste</translation>
    </message>
    <message>
        <source>&amp;Define Grid</source>
        <translation>Raster &amp;festlegen</translation>
    </message>
    <message>
        <source>&amp;Show Grid</source>
        <translation>Raster an&amp;zeigen</translation>
    </message>
    <message>
        <source>Snap To &amp;Grid</source>
        <translation>Am &amp;Raster ausrichten</translation>
    </message>
    <message>
        <source>Sho&amp;w Guides</source>
        <translation>Hi&amp;lfslinien anzeigen</translation>
    </message>
    <message>
        <source>Show Field &amp;Values</source>
        <translation>Fel&amp;dwerte anzeigen</translation>
    </message>
    <message>
        <source>Bring &amp;Forward</source>
        <translation>Nach &amp;vorne</translation>
    </message>
    <message>
        <source>Send &amp;Back</source>
        <translation>Nach &amp;hinten</translation>
    </message>
    <message>
        <source>&amp;Text</source>
        <translation>&amp;Text</translation>
    </message>
    <message>
        <source>&amp;New Text</source>
        <translation>&amp;Neuer Text</translation>
    </message>
    <message>
        <source>&amp;Edit Text</source>
        <translation>Text &amp;bearbeiten</translation>
    </message>
    <message>
        <source>Text &amp;Color</source>
        <translation>Text&amp;farbe</translation>
    </message>
    <message>
        <source>&amp;Graphic</source>
        <translation>&amp;Grafik</translation>
    </message>
    <message>
        <source>&amp;New Graphic</source>
        <translation>&amp;Neue Grafik</translation>
    </message>
    <message>
        <source>Insert &amp;QR Code...</source>
        <translation>&amp;QR-Code einfügen...</translation>
    </message>
    <message>
        <source>Maintain &amp;Aspect Ratio</source>
        <translation>&amp;Seitenverhältnis beibehalten</translation>
    </message>
    <message>
        <source>Edit Graphic</source>
        <translation>Grafik bearbeiten</translation>
    </message>
    <message>
        <source>Rotate &amp;Left</source>
        <translation>Nach &amp;links drehen</translation>
    </message>
    <message>
        <source>Rotate &amp;Right</source>
        <translation>Nach &amp;rechts drehen</translation>
    </message>
    <message>
        <source>&amp;Mirror</source>
        <translation>&amp;Spiegeln</translation>
    </message>
    <message>
        <source>&amp;Label</source>
        <translation>&amp;Etikett</translation>
    </message>
    <message>
        <source>Border &amp;Visible</source>
        <translation>Rahmen &amp;sichtbar</translation>
    </message>
    <message>
        <source>Border &amp;Color</source>
        <translation>Rahmen&amp;farbe</translation>
    </message>
    <message>
        <source>Label Background Color</source>
        <translation>Etikettenhintergrundfarbe</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>&amp;Fenster</translation>
    </message>
    <message>
        <source>&amp;New Window</source>
        <translation>&amp;Neues Fenster</translation>
    </message>
    <message>
        <source>&amp;Cascade</source>
        <translation>Ü&amp;berlappend</translation>
    </message>
    <message>
        <source>Tile &amp;Horizontal</source>
        <translation>&amp;Horizontal anordnen</translation>
    </message>
    <message>
        <source>Tile &amp;Vertical</source>
        <translation>&amp;Vertikal anordnen</translation>
    </message>
    <message>
        <source>&amp;Arrange Icons</source>
        <translation>Symbole an&amp;ordnen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Contents...</source>
        <translation>&amp;Inhalt...</translation>
    </message>
    <message>
        <source>Help &amp;Index...</source>
        <translation>Hilfe&amp;index...</translation>
    </message>
    <message>
        <source>&amp;Search for Help On...</source>
        <translation>Hilfe &amp;suchen zu...</translation>
    </message>
    <message>
        <source>&amp;Tip of the Day</source>
        <translation>&amp;Tipp des Tages</translation>
    </message>
    <message>
        <source>&amp;Other Kelvane Software</source>
        <translation>&amp;Weitere Software von Kelvane</translation>
    </message>
    <message>
        <source>&amp;About </source>
        <translation>Ü&amp;ber </translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Druckvorschau</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Auswählen</translation>
    </message>
    <message>
        <source>Select Label Size</source>
        <translation>Etikettengröße wählen</translation>
    </message>
    <message>
        <source>Horizontal Center</source>
        <translation>Horizontal zentrieren</translation>
    </message>
    <message>
        <source>Horizontal Alignment</source>
        <translation>Horizontale Ausrichtung</translation>
    </message>
    <message>
        <source>Vertical Center</source>
        <translation>Vertikal zentrieren</translation>
    </message>
    <message>
        <source>Vertical Alignment</source>
        <translation>Vertikale Ausrichtung</translation>
    </message>
    <message>
        <source>Add Image</source>
        <translation>Bild hinzufügen</translation>
    </message>
    <message>
        <source>Add QR Code</source>
        <translation>QR-Code hinzufügen</translation>
    </message>
    <message>
        <source>Insert QR Code</source>
        <translation>QR-Code einfügen</translation>
    </message>
    <message>
        <source>Aspect Ratio</source>
        <translation>Seitenverhältnis</translation>
    </message>
    <message>
        <source>Maintain Aspect Ratio</source>
        <translation>Seitenverhältnis beibehalten</translation>
    </message>
    <message>
        <source>Bring Forward</source>
        <translation>Nach vorne</translation>
    </message>
    <message>
        <source>Send Back</source>
        <translation>Nach hinten</translation>
    </message>
    <message>
        <source>Rotate Left</source>
        <translation>Nach links drehen</translation>
    </message>
    <message>
        <source>Rotate Right</source>
        <translation>Nach rechts drehen</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>Spiegeln</translation>
    </message>
    <message>
        <source>Add Text</source>
        <translation>Text hinzufügen</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>Textfarbe</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Fett</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Kursiv</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Unterstrichen</translation>
    </message>
    <message>
        <source>Shadow</source>
        <translation>Schatten</translation>
    </message>
    <message>
        <source>Align Left</source>
        <translation>Linksbündig</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Zentriert</translation>
    </message>
    <message>
        <source>Align Right</source>
        <translation>Rechtsbündig</translation>
    </message>
    <message>
        <source>Rotate Text Left</source>
        <translation>Text nach links drehen</translation>
    </message>
    <message>
        <source>Rotate Text Right</source>
        <translation>Text nach rechts drehen</translation>
    </message>
    <message>
        <source>Show Border</source>
        <translation>Rahmen anzeigen</translation>
    </message>
    <message>
        <source>Border Color</source>
        <translation>Rahmenfarbe</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Right Align</source>
        <translation>Rechts ausrichten</translation>
    </message>
    <message>
        <source>Left Align</source>
        <translation>Links ausrichten</translation>
    </message>
    <message>
        <source>Top Align</source>
        <translation>Oben ausrichten</translation>
    </message>
    <message>
        <source>Bottom Align</source>
        <translation>Unten ausrichten</translation>
    </message>
    <message>
        <source>Makes this label and every new label a beer label, 3.75 in high and 3 in wide; Undo resizes only this label</source>
        <translation>Macht dieses und jedes neue Etikett zu einem Bieretikett, 3,75 in hoch und 3 in breit; Rückgängig ändert nur die Größe dieses Etiketts</translation>
    </message>
    <message>
        <source>Makes this label and every new label a wine label, 4 in high and 5 in wide; Undo resizes only this label</source>
        <translation>Macht dieses und jedes neue Etikett zu einem Weinetikett, 4 in hoch und 5 in breit; Rückgängig ändert nur die Größe dieses Etiketts</translation>
    </message>
    <message>
        <source>Fonts</source>
        <translation>Schriftarten</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>Schriftgröße</translation>
    </message>
    <message>
        <source>Border Width</source>
        <translation>Rahmenbreite</translation>
    </message>
    <message>
        <source>Border Style</source>
        <translation>Rahmenstil</translation>
    </message>
    <message>
        <source>Main</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Border</source>
        <translation>Rahmen</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Corkcrafter Files (*.ckm)|*.ckm|All Files (*.*)|*.*</source>
        <translation>Corkcrafter-Dateien (*.ckm)|*.ckm|Alle Dateien (*.*)|*.*</translation>
    </message>
    <message>
        <source>Label %1</source>
        <translation>Etikett %1</translation>
    </message>
    <message>
        <source>Open Corkcrafter File</source>
        <translation>Corkcrafter-Datei öffnen</translation>
    </message>
    <message>
        <source>File &quot;%1&quot; Not Found</source>
        <translation>Datei „%1“ nicht gefunden</translation>
    </message>
    <message>
        <source>File Open Error</source>
        <translation>Fehler beim Öffnen</translation>
    </message>
    <message>
        <source>A label file cannot keep these characters of the label&apos;s texts; they would be saved as &quot;?&quot;:
%1

Save &quot;%2&quot; anyway?</source>
        <translation>Eine Etikettendatei kann diese Zeichen der Etikettentexte nicht speichern; sie würden als „?“ gespeichert:
%1

„%2“ trotzdem speichern?</translation>
    </message>
    <message>
        <source>Save Corkcrafter File</source>
        <translation>Corkcrafter-Datei speichern</translation>
    </message>
    <message>
        <source>The label could not be saved to &quot;%1&quot;: %2
Any earlier version of the file is unchanged.</source>
        <translation>Das Etikett konnte nicht unter „%1“ gespeichert werden: %2
Eine frühere Fassung der Datei bleibt unverändert.</translation>
    </message>
    <message>
        <source>You must have a Label Loaded to set Properties</source>
        <translation>Um Eigenschaften festzulegen, muss ein Etikett geladen sein</translation>
    </message>
    <message>
        <source>Nothing available to preview</source>
        <translation>Nichts für die Vorschau vorhanden</translation>
    </message>
    <message>
        <source>Picture Files (%1)|%1|All Files (*.*)|*.*</source>
        <translation>Bilddateien (%1)|%1|Alle Dateien (*.*)|*.*</translation>
    </message>
    <message>
        <source>Select Graphic File</source>
        <translation>Grafikdatei wählen</translation>
    </message>
    <message>
        <source>Waiting for the picture editor to close…</source>
        <translation>Warten, bis das Bildbearbeitungsprogramm geschlossen wird…</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Rückgängig: %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Wiederholen: %1</translation>
    </message>
    <message>
        <source>Nothing Selected</source>
        <translation>Nichts ausgewählt</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Nothing on the Clipboard that can be Pasted</source>
        <translation>Die Zwischenablage enthält nichts, was eingefügt werden kann</translation>
    </message>
    <message>
        <source>Save the label first: the data file it prints from is remembered with the label file.</source>
        <translation>Speichern Sie zuerst das Etikett: Die Datendatei, aus der es druckt, wird mit der Etikettendatei gemerkt.</translation>
    </message>
    <message>
        <source>%1 prints a label for each row of &quot;%2&quot;.

Yes: choose another data file.
No: forget it; the label prints as before.
Cancel: keep it.</source>
        <translation>%1 druckt ein Etikett für jede Zeile von „%2“.

Ja: eine andere Datendatei wählen.
Nein: sie vergessen; das Etikett druckt wie zuvor.
Abbrechen: sie behalten.</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Daten</translation>
    </message>
    <message>
        <source>Data for %1</source>
        <translation>Daten für %1</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)|*.csv|All Files (*.*)|*.*</source>
        <translation>CSV-Dateien (*.csv)|*.csv|Alle Dateien (*.*)|*.*</translation>
    </message>
    <message>
        <source>The label prints as before.</source>
        <translation>Das Etikett druckt wie zuvor.</translation>
    </message>
    <message>
        <source>Nothing was printed.</source>
        <translation>Es wurde nichts gedruckt.</translation>
    </message>
    <message>
        <source>&amp;Position and Size</source>
        <translation>&amp;Position und Größe</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Ver&amp;größern</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Ver&amp;kleinern</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Originalgröße</translation>
    </message>
    <message>
        <source>Fit &amp;Label</source>
        <translation>&amp;Etikett einpassen</translation>
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
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Default Label Specs</source>
        <translation>Standard-Etikettenmaße</translation>
    </message>
    <message>
        <source>Border Defaults</source>
        <translation>Rahmenvorgaben</translation>
    </message>
    <message>
        <source>Grids &amp;&amp; Guides</source>
        <translation>Raster &amp;&amp; Hilfslinien</translation>
    </message>
    <message>
        <source>File Locations</source>
        <translation>Dateispeicherorte</translation>
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
        <source>&amp;Apply</source>
        <translation>Ü&amp;bernehmen</translation>
    </message>
    <message>
        <source>Label Type/Size</source>
        <translation>Etikettentyp/-größe</translation>
    </message>
    <message>
        <source>Default &amp;Beer Label</source>
        <translation>Standard-&amp;Bieretikett</translation>
    </message>
    <message>
        <source>Default &amp;Wine Label</source>
        <translation>Standard-&amp;Weinetikett</translation>
    </message>
    <message>
        <source>&amp;Custom Label Size</source>
        <translation>&amp;Eigene Etikettengröße</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Breite:</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Höhe:</translation>
    </message>
    <message>
        <source>Paper Specifications</source>
        <translation>Papierangaben</translation>
    </message>
    <message>
        <source>Paper Size:</source>
        <translation>Papierformat:</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Hochformat</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Querformat</translation>
    </message>
    <message>
        <source>Top Margin:</source>
        <translation>Oberer Rand:</translation>
    </message>
    <message>
        <source>Left Margin:</source>
        <translation>Linker Rand:</translation>
    </message>
    <message>
        <source>Between Rows:</source>
        <translation>Zwischen Zeilen:</translation>
    </message>
    <message>
        <source>Between Cols:</source>
        <translation>Zwischen Spalten:</translation>
    </message>
    <message>
        <source>Cutmarks</source>
        <translation>Schnittmarken</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Outside Only</source>
        <translation>Nur außen</translation>
    </message>
    <message>
        <source>Inside/Outside</source>
        <translation>Innen/außen</translation>
    </message>
    <message>
        <source>Fine Lines</source>
        <translation>Feine Linien</translation>
    </message>
    <message>
        <source>Printer Test</source>
        <translation>Druckertest</translation>
    </message>
    <message>
        <source>Printer &amp;Setup</source>
        <translation>Drucker&amp;einrichtung</translation>
    </message>
    <message>
        <source>Border Visible</source>
        <translation>Rahmen sichtbar</translation>
    </message>
    <message>
        <source>Border Style</source>
        <translation>Rahmenstil</translation>
    </message>
    <message>
        <source>Border Width</source>
        <translation>Rahmenbreite</translation>
    </message>
    <message>
        <source>Border Color</source>
        <translation>Rahmenfarbe</translation>
    </message>
    <message>
        <source>Alignment Grid</source>
        <translation>Ausrichtungsraster</translation>
    </message>
    <message>
        <source>Grid Width:</source>
        <translation>Rasterbreite:</translation>
    </message>
    <message>
        <source>Grid Height:</source>
        <translation>Rasterhöhe:</translation>
    </message>
    <message>
        <source>Set To &amp;Defaults</source>
        <translation>&amp;Standardwerte</translation>
    </message>
    <message>
        <source>Alignment Guides</source>
        <translation>Hilfslinien</translation>
    </message>
    <message>
        <source>Center Reference - Measure from Center</source>
        <translation>Bezug Mitte - von der Mitte aus messen</translation>
    </message>
    <message>
        <source>Upper Left Reference - Measure from Upper Left</source>
        <translation>Bezug oben links - von oben links aus messen</translation>
    </message>
    <message>
        <source>Lower Left Reference - Measure from Lower Left</source>
        <translation>Bezug unten links - von unten links aus messen</translation>
    </message>
    <message>
        <source>Label Folder:</source>
        <translation>Etikettenordner:</translation>
    </message>
    <message>
        <source>Graphics Folder:</source>
        <translation>Grafikordner:</translation>
    </message>
    <message>
        <source>Template Folder:</source>
        <translation>Vorlagenordner:</translation>
    </message>
    <message>
        <source>Default Template:</source>
        <translation>Standardvorlage:</translation>
    </message>
    <message>
        <source>Graphics Editor:</source>
        <translation>Grafikprogramm:</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <source>Select Startup Label Folder</source>
        <translation>Etikettenordner für den Start wählen</translation>
    </message>
    <message>
        <source>Select Startup Graphics Folder</source>
        <translation>Grafikordner für den Start wählen</translation>
    </message>
    <message>
        <source>Select Startup Template Folder</source>
        <translation>Vorlagenordner für den Start wählen</translation>
    </message>
    <message>
        <source>Select Startup Corkcrafter Template</source>
        <translation>Corkcrafter-Vorlage für den Start wählen</translation>
    </message>
    <message>
        <source>Corkcrafter Files (*.ckm)|*.ckm</source>
        <translation>Corkcrafter-Dateien (*.ckm)|*.ckm</translation>
    </message>
    <message>
        <source>Select the Graphics Editor Program</source>
        <translation>Grafikprogramm wählen</translation>
    </message>
    <message>
        <source>Programs|*</source>
        <translation>Programme|*</translation>
    </message>
    <message>
        <source>Custom sheet</source>
        <translation>Eigener Bogen</translation>
    </message>
    <message>
        <source>%1 has round labels. They print as rectangles of the same size: give the label an oval border frame?</source>
        <translation>%1 hat runde Etiketten. Sie werden als gleich große Rechtecke gedruckt: dem Etikett einen ovalen Rahmen geben?</translation>
    </message>
    <message>
        <source>%1 has elliptical labels. They print as rectangles of the same size: give the label an oval border frame?</source>
        <translation>%1 hat elliptische Etiketten. Sie werden als gleich große Rechtecke gedruckt: dem Etikett einen ovalen Rahmen geben?</translation>
    </message>
    <message>
        <source>The printer has no %1 paper. Choose the paper in Printer Setup before printing.</source>
        <translation>Der Drucker hat kein Papier im Format %1. Wählen Sie das Papier vor dem Drucken in der Druckereinrichtung.</translation>
    </message>
    <message>
        <source>Inches</source>
        <translation>Zoll</translation>
    </message>
    <message>
        <source>Millimetres</source>
        <translation>Millimeter</translation>
    </message>
    <message>
        <source>&amp;Units:</source>
        <translation>&amp;Einheiten:</translation>
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
        <translation>Seite%1 von%2</translation>
    </message>
    <message>
        <source>Page Width</source>
        <translation>Seitenbreite</translation>
    </message>
    <message>
        <source>Whole Page</source>
        <translation>Ganze Seite</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Druckvorschau</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>&amp;Save to File</source>
        <translation>In Datei &amp;speichern</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Previous Page</source>
        <translation>&amp;Vorige Seite</translation>
    </message>
    <message>
        <source>&amp;Next Page</source>
        <translation>&amp;Nächste Seite</translation>
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
        <source>Help &amp;Index...</source>
        <translation>Hilfe&amp;index...</translation>
    </message>
    <message>
        <source>Print Report</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Save Report to Disk</source>
        <translation>Als Datei speichern</translation>
    </message>
    <message>
        <source>Show Previous Page</source>
        <translation>Vorige Seite zeigen</translation>
    </message>
    <message>
        <source>Show Next Page</source>
        <translation>Nächste Seite zeigen</translation>
    </message>
    <message>
        <source>Close Preview Window</source>
        <translation>Vorschau schließen</translation>
    </message>
    <message>
        <source>Pg 1 of 1</source>
        <translation>S. 1 von 1</translation>
    </message>
    <message>
        <source>Scaling Factor Must be Between 10% - 150%</source>
        <translation>Der Maßstab muss zwischen 10 % und 150 % liegen</translation>
    </message>
    <message>
        <source>The preview shows the label without its data.</source>
        <translation>Die Vorschau zeigt das Etikett ohne seine Daten.</translation>
    </message>
    <message>
        <source>Nothing was printed.</source>
        <translation>Es wurde nichts gedruckt.</translation>
    </message>
    <message>
        <source>%1 label</source>
        <translation>%1 Etikett</translation>
    </message>
    <message>
        <source>%1 labels</source>
        <translation>%1 Etiketten</translation>
    </message>
    <message>
        <source>%1 sheet</source>
        <translation>%1 Bogen</translation>
    </message>
    <message>
        <source>%1 sheets</source>
        <translation>%1 Bogen</translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <translation>%1 auf %2</translation>
    </message>
    <message>
        <source>Print Preview - %1</source>
        <translation>Druckvorschau - %1</translation>
    </message>
    <message>
        <source>Save to File</source>
        <translation>In Datei speichern</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)|*.pdf</source>
        <translation>PDF-Dateien (*.pdf)|*.pdf</translation>
    </message>
    <message>
        <source>Labels</source>
        <translation>Etiketten</translation>
    </message>
    <message>
        <source>Nothing was saved.</source>
        <translation>Es wurde nichts gespeichert.</translation>
    </message>
    <message>
        <source>The sheet could not be saved to &quot;%1&quot;: %2
Any earlier version of the file is unchanged.</source>
        <translation>Der Bogen konnte nicht unter „%1“ gespeichert werden: %2
Eine frühere Fassung der Datei bleibt unverändert.</translation>
    </message>
    <message>
        <source>tbToolbar</source>
        <extracomment>The preview&apos;s toolbar as the toolbar menu names it; in English it keeps its control name.</extracomment>
        <translation>Werkzeugleiste</translation>
    </message>
</context>
<context>
    <name>frmPrintSeveral</name>
    <message>
        <source>Print Several Labels</source>
        <translation>Mehrere Etiketten drucken</translation>
    </message>
    <message>
        <source>How many of each label to print. The sheets fill in this order, one label after another; the labels must be the same size.</source>
        <translation>Wie viele von jedem Etikett gedruckt werden. Die Bogen füllen sich in dieser Reihenfolge, ein Etikett nach dem anderen; die Etiketten müssen gleich groß sein.</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Etikett</translation>
    </message>
    <message>
        <source>Labels</source>
        <translation>Etiketten</translation>
    </message>
    <message>
        <source>&amp;Add File...</source>
        <translation>Datei &amp;hinzufügen...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>Pre&amp;view</source>
        <translation>&amp;Vorschau</translation>
    </message>
    <message>
        <source>Add Label File</source>
        <translation>Etikettendatei hinzufügen</translation>
    </message>
    <message>
        <source>Corkcrafter Files (*.ckm)|*.ckm|All Files (*.*)|*.*</source>
        <translation>Corkcrafter-Dateien (*.ckm)|*.ckm|Alle Dateien (*.*)|*.*</translation>
    </message>
    <message>
        <source>Please give at least one label a number of labels to print.</source>
        <translation>Bitte geben Sie mindestens einem Etikett eine Anzahl zu druckender Etiketten.</translation>
    </message>
</context>
<context>
    <name>frmQrInput</name>
    <message>
        <source>QR Code</source>
        <translation>QR-Code</translation>
    </message>
    <message>
        <source>L (7% may be damaged)</source>
        <translation>L (7 % dürfen beschädigt sein)</translation>
    </message>
    <message>
        <source>&amp;Data:</source>
        <translation>&amp;Daten:</translation>
    </message>
    <message>
        <source>&amp;Error correction:</source>
        <translation>&amp;Fehlerkorrektur:</translation>
    </message>
    <message>
        <source>The colour of the code&apos;s dark squares</source>
        <translation>Die Farbe der dunklen Quadrate des Codes</translation>
    </message>
    <message>
        <source>&amp;Color:</source>
        <translation>&amp;Farbe:</translation>
    </message>
    <message>
        <source>Up to %1 characters. Fields such as ${n} or ${Column} give every printed label its own code.</source>
        <translation>Bis zu %1 Zeichen. Felder wie ${n} oder ${Column} geben jedem gedruckten Etikett seinen eigenen Code.</translation>
    </message>
    <message>
        <source>QR Code Color</source>
        <translation>QR-Code-Farbe</translation>
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
        <translation>Texteingabe</translation>
    </message>
    <message>
        <source>Text Rotation Angle:</source>
        <translation>Drehwinkel des Textes:</translation>
    </message>
    <message>
        <source>Degrees</source>
        <translation>Grad</translation>
    </message>
    <message>
        <source>Autofit Text</source>
        <translation>Text automatisch einpassen</translation>
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
        <source>A label file cannot keep these characters; saving would turn each into &quot;?&quot;: %1</source>
        <translation>Eine Etikettendatei kann diese Zeichen nicht speichern; beim Speichern würde jedes zu „?“: %1</translation>
    </message>
    <message>
        <source>The rotation angle must be a number of degrees, for example 0, 90, 180 or 270.</source>
        <translation>Der Drehwinkel muss eine Gradzahl sein, zum Beispiel 0, 90, 180 oder 270.</translation>
    </message>
</context>
<context>
    <name>frmTip</name>
    <message>
        <source>Tip of the Day</source>
        <translation>Tipp des Tages</translation>
    </message>
    <message>
        <source>Did you know...</source>
        <translation>Wussten Sie schon...</translation>
    </message>
    <message>
        <source>&amp;Show Tips at Startup</source>
        <translation>Tipps beim &amp;Start anzeigen</translation>
    </message>
    <message>
        <source>&amp;Next Tip</source>
        <translation>&amp;Nächster Tipp</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The file that holds the Tips, &quot;TipOfDay.fil&quot; was not found.</source>
        <translation>Die Datei mit den Tipps, „TipOfDay.fil“, wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>As a result, the &quot;Tip of the Day&quot; function will now be disabled at startup. </source>
        <translation>Daher wird der „Tipp des Tages“ beim Start nun nicht mehr angezeigt. </translation>
    </message>
</context>
<context>
    <name>options</name>
    <message>
        <source>Width Cannot Exceed the Paper Width</source>
        <translation>Die Breite darf die Papierbreite nicht überschreiten</translation>
    </message>
    <message>
        <source>Width Must be Greater than 0.0</source>
        <translation>Die Breite muss größer als 0,0 sein</translation>
    </message>
    <message>
        <source>Height Cannot Exceed the Paper Height</source>
        <translation>Die Höhe darf die Papierhöhe nicht überschreiten</translation>
    </message>
    <message>
        <source>Height Must be Greater than 0.0</source>
        <translation>Die Höhe muss größer als 0,0 sein</translation>
    </message>
    <message>
        <source>Top Margin Cannot Exceed 1/2 the Paper Height</source>
        <translation>Der obere Rand darf die halbe Papierhöhe nicht überschreiten</translation>
    </message>
    <message>
        <source>Top Margin Must be Greater than -0.5</source>
        <translation>Der obere Rand muss größer als -0,5 sein</translation>
    </message>
    <message>
        <source>Left Margin Cannot Exceed 1/2 the Paper Width</source>
        <translation>Der linke Rand darf die halbe Papierbreite nicht überschreiten</translation>
    </message>
    <message>
        <source>Left Margin Must be Greater than -0.5</source>
        <translation>Der linke Rand muss größer als -0,5 sein</translation>
    </message>
    <message>
        <source>Row Spacing Cannot Exceed 1/2 the Paper Height</source>
        <translation>Der Zeilenabstand darf die halbe Papierhöhe nicht überschreiten</translation>
    </message>
    <message>
        <source>Row Spacing May Not Be Less than 0.0</source>
        <translation>Der Zeilenabstand darf nicht kleiner als 0,0 sein</translation>
    </message>
    <message>
        <source>Column Spacing Cannot Exceed 1/2 the Paper Width</source>
        <translation>Der Spaltenabstand darf die halbe Papierbreite nicht überschreiten</translation>
    </message>
    <message>
        <source>Column Spacing May Not Be Less than 0.0</source>
        <translation>Der Spaltenabstand darf nicht kleiner als 0,0 sein</translation>
    </message>
    <message>
        <source>Maximum Grid Width is 500, Reset to Default</source>
        <translation>Die Rasterbreite beträgt höchstens 500, auf Standard zurückgesetzt</translation>
    </message>
    <message>
        <source>Grid Width Must be Greater than 2, Reset to Default</source>
        <translation>Die Rasterbreite muss größer als 2 sein, auf Standard zurückgesetzt</translation>
    </message>
    <message>
        <source>Maximum Grid Height is 500, Reset to Default</source>
        <translation>Die Rasterhöhe beträgt höchstens 500, auf Standard zurückgesetzt</translation>
    </message>
    <message>
        <source>Grid Height Must be Greater than 2, Reset to Default</source>
        <translation>Die Rasterhöhe muss größer als 2 sein, auf Standard zurückgesetzt</translation>
    </message>
    <message>
        <source>Deactivate Template file: &apos;%1&apos;?</source>
        <translation>Vorlagendatei „%1“ deaktivieren?</translation>
    </message>
    <message>
        <source>Width Must be Greater than 0 mm</source>
        <translation>Die Breite muss größer als 0 mm sein</translation>
    </message>
    <message>
        <source>Height Must be Greater than 0 mm</source>
        <translation>Die Höhe muss größer als 0 mm sein</translation>
    </message>
    <message>
        <source>Top Margin Must be Greater than -12.7 mm</source>
        <translation>Der obere Rand muss größer als -12,7 mm sein</translation>
    </message>
    <message>
        <source>Left Margin Must be Greater than -12.7 mm</source>
        <translation>Der linke Rand muss größer als -12,7 mm sein</translation>
    </message>
    <message>
        <source>Row Spacing May Not Be Less than 0 mm</source>
        <translation>Der Zeilenabstand darf nicht kleiner als 0 mm sein</translation>
    </message>
    <message>
        <source>Column Spacing May Not Be Less than 0 mm</source>
        <translation>Der Spaltenabstand darf nicht kleiner als 0 mm sein</translation>
    </message>
</context>
<context>
    <name>pdf</name>
    <message>
        <source>The PDF could not be written to &quot;%1&quot;: %2</source>
        <translation>Das PDF konnte nicht nach „%1“ geschrieben werden: %2</translation>
    </message>
    <message>
        <source>the PDF could not be made</source>
        <translation>das PDF konnte nicht erstellt werden</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>es ist ein Ordner</translation>
    </message>
    <message>
        <source>drawing the sheet failed</source>
        <translation>das Zeichnen des Bogens ist fehlgeschlagen</translation>
    </message>
</context>
<context>
    <name>pictures</name>
    <message>
        <source>File not found</source>
        <translation>Datei nicht gefunden</translation>
    </message>
    <message>
        <source>Windows metafiles are not supported by this build</source>
        <translation>Windows-Metadateien werden von dieser Version nicht unterstützt</translation>
    </message>
    <message>
        <source>Not a Windows metafile (enhanced metafiles are not supported)</source>
        <translation>Keine Windows-Metadatei (erweiterte Metadateien werden nicht unterstützt)</translation>
    </message>
    <message>
        <source>The metafile&apos;s header is damaged</source>
        <translation>Der Kopf der Metadatei ist beschädigt</translation>
    </message>
    <message>
        <source>The metafile library could not start</source>
        <translation>Die Metadatei-Bibliothek konnte nicht starten</translation>
    </message>
    <message>
        <source>The metafile could not be opened</source>
        <translation>Die Metadatei konnte nicht geöffnet werden</translation>
    </message>
    <message>
        <source>The metafile is damaged</source>
        <translation>Die Metadatei ist beschädigt</translation>
    </message>
    <message>
        <source>The metafile has no size</source>
        <translation>Die Metadatei hat keine Größe</translation>
    </message>
    <message>
        <source>The metafile could not be drawn</source>
        <translation>Die Metadatei konnte nicht gezeichnet werden</translation>
    </message>
</context>
<context>
    <name>printjob</name>
    <message>
        <source>The sheet cannot be printed: its layout would put more than 10,000 labels on one page (%1 across, %2 down). Please check the label size, the margins and the row and column spacing.</source>
        <translation>Der Bogen kann nicht gedruckt werden: Seine Anordnung würde mehr als 10.000 Etiketten auf eine Seite setzen (%1 quer, %2 hoch). Bitte prüfen Sie die Etikettengröße, die Ränder und die Zeilen- und Spaltenabstände.</translation>
    </message>
    <message>
        <source> and </source>
        <translation> und </translation>
    </message>
    <message>
        <source>column %1</source>
        <translation>Spalte %1</translation>
    </message>
    <message>
        <source>columns %1</source>
        <translation>Spalten %1</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>Zeile %1</translation>
    </message>
    <message>
        <source>rows %1</source>
        <translation>Zeilen %1</translation>
    </message>
    <message>
        <source>The printer cannot reach the whole of %1 of the sheet: what lies in its unprintable border will be missing on the paper.</source>
        <translation>Der Drucker erreicht %1 des Bogens nicht ganz: Was im nicht bedruckbaren Rand liegt, fehlt auf dem Papier.</translation>
    </message>
    <message>
        <source>The QR code of label %1 cannot be made: %2. Nothing was printed.</source>
        <translation>Der QR-Code von Etikett %1 kann nicht erstellt werden: %2. Es wurde nichts gedruckt.</translation>
    </message>
    <message>
        <source>A QR code cannot be made: %1. Nothing was printed.</source>
        <translation>Ein QR-Code kann nicht erstellt werden: %1. Es wurde nichts gedruckt.</translation>
    </message>
    <message>
        <source>Print anyway, with these fields marked on the labels?</source>
        <translation>Trotzdem drucken, mit diesen Feldern auf den Etiketten markiert?</translation>
    </message>
    <message>
        <source>%1 x %2 in</source>
        <translation>%1 x %2 in</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is %2, not the %3 of &quot;%4&quot;: labels printed together must be the same size.</source>
        <translation>„%1“ ist %2, nicht %3 wie „%4“: Zusammen gedruckte Etiketten müssen gleich groß sein.</translation>
    </message>
    <message>
        <source>Nothing was printed.</source>
        <translation>Es wurde nichts gedruckt.</translation>
    </message>
    <message>
        <source>Printing</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Nothing was printed: %1.</source>
        <translation>Es wurde nichts gedruckt: %1.</translation>
    </message>
    <message>
        <source>Writing to Print Queue</source>
        <translation>Schreiben in die Druckwarteschlange</translation>
    </message>
    <message>
        <source>Error%1: Terminating Print</source>
        <translation>Fehler %1: Druck wird abgebrochen</translation>
    </message>
</context>
<context>
    <name>qrcode</name>
    <message>
        <source>a QR code needs some data</source>
        <translation>ein QR-Code braucht Daten</translation>
    </message>
    <message>
        <source>%1 bytes of data are too many for a QR code at level %2</source>
        <translation>%1 Bytes Daten sind zu viel für einen QR-Code der Stufe %2</translation>
    </message>
    <message>
        <source>Type the data the QR code holds, such as a web address.</source>
        <translation>Geben Sie die Daten des QR-Codes ein, etwa eine Webadresse.</translation>
    </message>
    <message>
        <source>A label file cannot keep these characters of the QR code&apos;s data: %1.</source>
        <translation>Eine Etikettendatei kann diese Zeichen der QR-Code-Daten nicht speichern: %1.</translation>
    </message>
    <message>
        <source>The QR code&apos;s data cannot end with a blank.</source>
        <translation>Die Daten des QR-Codes dürfen nicht mit einem Leerzeichen enden.</translation>
    </message>
    <message>
        <source>The QR code&apos;s data is %1 characters long, and a label file keeps at most %2 characters of it. Shorten it (a short web address can lead to a longer page).</source>
        <translation>Die Daten des QR-Codes sind %1 Zeichen lang, und eine Etikettendatei speichert höchstens %2 Zeichen davon. Kürzen Sie sie (eine kurze Webadresse kann zu einer längeren Seite führen).</translation>
    </message>
</context>
<context>
    <name>settings</name>
    <message>
        <source>Missing %1 Folder. Created</source>
        <translation>Ordner %1 fehlte. Angelegt</translation>
    </message>
    <message>
        <source> and </source>
        <translation> und </translation>
    </message>
    <message>
        <source>Created the %1 folder in %2</source>
        <translation>Ordner %1 in %2 angelegt</translation>
    </message>
    <message>
        <source>Created the %1 folders in %2</source>
        <translation>Ordner %1 in %2 angelegt</translation>
    </message>
    <message>
        <source>The settings could not be saved to &quot;%1&quot;: %2
They will be as before when Corkcrafter starts again.</source>
        <translation>Die Einstellungen konnten nicht unter „%1“ gespeichert werden: %2
Beim nächsten Start von Corkcrafter sind sie wie zuvor.</translation>
    </message>
    <message>
        <source>WARNING: Missing Help File</source>
        <translation>WARNUNG: Hilfedatei fehlt</translation>
    </message>
</context>
<context>
    <name>stock</name>
    <message>
        <source>cannot start at label %1: no label fits on the sheet</source>
        <translation>kann nicht bei Etikett %1 beginnen: Kein Etikett passt auf den Bogen</translation>
    </message>
    <message>
        <source>cannot start at label %1: the sheet holds %2 label</source>
        <translation>kann nicht bei Etikett %1 beginnen: Der Bogen fasst %2 Etikett</translation>
    </message>
    <message>
        <source>cannot start at label %1: the sheet holds %2 labels</source>
        <translation>kann nicht bei Etikett %1 beginnen: Der Bogen fasst %2 Etiketten</translation>
    </message>
    <message>
        <source>Labels are counted down each column from the top left, then down the next column.

If your printer puts everything a little off, print the printer test page (Label Properties, Printer Test) and measure on the paper how far its &quot;1.0&quot; ticks lie from the paper&apos;s left and top edges. Enter 1.0 minus what you measured: a positive value moves the print right or down. The test page and the labels move together, and the values are kept for each printer.</source>
        <translation>Die Etiketten werden spaltenweise von oben links nach unten gezählt, dann die nächste Spalte hinunter.

Wenn Ihr Drucker alles etwas versetzt druckt, drucken Sie die Druckertestseite (Etiketteneigenschaften, Druckertest) und messen Sie auf dem Papier, wie weit ihre „1.0“-Striche vom linken und oberen Papierrand entfernt sind. Geben Sie 1,0 minus den gemessenen Wert ein: Ein positiver Wert verschiebt den Druck nach rechts oder unten. Testseite und Etiketten verschieben sich gemeinsam, und die Werte werden für jeden Drucker gemerkt.</translation>
    </message>
    <message>
        <source>the label (%1 x %2 in) is larger than the labels of %3 (%4 x %5 in): it is cut off at its own edges and runs over onto the labels next to it</source>
        <translation>das Etikett (%1 x %2 in) ist größer als die Etiketten von %3 (%4 x %5 in): Es wird an seinen eigenen Rändern abgeschnitten und läuft auf die benachbarten Etiketten über</translation>
    </message>
</context>
</TS>
