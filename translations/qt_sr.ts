<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sr_RS">
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Opozovi</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Ponovi</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Ise&amp;ci</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiraj</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Nalepi</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Obrisi</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Izaberi sve</translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Opozovi</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Ponovi</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Ise&amp;ci</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiraj</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Nalepi</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Obrisi</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Izaberi sve</translation>
    </message>
    <message>
        <source>Copy &amp;Link Location</source>
        <translation>Kopiraj adresu &amp;veze</translation>
    </message>
</context>
<context>
    <name>QMdiSubWindow</name>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Vrati</translation>
    </message>
    <message>
        <source>&amp;Move</source>
        <translation>&amp;Premesti</translation>
    </message>
    <message>
        <source>&amp;Size</source>
        <translation>Veli&amp;cina</translation>
    </message>
    <message>
        <source>Mi&amp;nimize</source>
        <translation>Mi&amp;nimizuj</translation>
    </message>
    <message>
        <source>Ma&amp;ximize</source>
        <translation>Ma&amp;ksimizuj</translation>
    </message>
    <message>
        <source>Stay on &amp;Top</source>
        <translation>Uvek na v&amp;rhu</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Zatvori</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Vrati</translation>
    </message>
    <message>
        <source>Restore Down</source>
        <translation>Vrati</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimizuj</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Maksimizuj</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zatvori</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Meni</translation>
    </message>
    <message>
        <source>Shade</source>
        <translation>Skupi</translation>
    </message>
    <message>
        <source>Unshade</source>
        <translation>Rasiri</translation>
    </message>
    <message>
        <source>- [%1]</source>
        <translation>- [%1]</translation>
    </message>
    <message>
        <source>%1 - [%2]</source>
        <translation>%1 - [%2]</translation>
    </message>
</context>
<context>
    <name>QMdiArea</name>
    <message>
        <source>(Untitled)</source>
        <translation>(Bez naslova)</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>U redu</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Sacuvaj</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>Sacuvaj sve</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Otvori</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Da</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>Da za &amp;sve</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Ne</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>N&amp;e za sve</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Prekini</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Pokusaj ponovo</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Zanemari</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zatvori</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Otkazi</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Odbaci</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Primeni</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Ponisti</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Vrati podrazumevano</translation>
    </message>
</context>
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;U redu</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Sacuvaj</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Otkazi</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Zatvori</translation>
    </message>
    <message>
        <source>Close without Saving</source>
        <translation>Zatvori bez cuvanja</translation>
    </message>
</context>
<context>
    <name>QComboBox</name>
    <message>
        <source>Open the combo box selection popup</source>
        <translation>Otvara spisak za izbor</translation>
    </message>
    <message>
        <source>False</source>
        <translation>Ne</translation>
    </message>
    <message>
        <source>True</source>
        <translation>Da</translation>
    </message>
</context>
<context>
    <name>QTabBar</name>
    <message>
        <source>Scroll Left</source>
        <translation>Pomeri levo</translation>
    </message>
    <message>
        <source>Scroll Right</source>
        <translation>Pomeri desno</translation>
    </message>
    <message>
        <source>Close Tab</source>
        <translation>Zatvori karticu</translation>
    </message>
</context>
<context>
    <name>QDialogButtonBox</name>
    <message>
        <source>OK</source>
        <translation>U redu</translation>
    </message>
</context>
<context>
    <name>QMessageBox</name>
    <message>
        <source>Show Details...</source>
        <translation>Prikazi detalje...</translation>
    </message>
    <message>
        <source>Hide Details...</source>
        <translation>Sakrij detalje...</translation>
    </message>
</context>
<context>
    <name>QScrollBar</name>
    <message>
        <source>Scroll here</source>
        <translation>Pomeri ovde</translation>
    </message>
    <message>
        <source>Left edge</source>
        <translation>Leva ivica</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Vrh</translation>
    </message>
    <message>
        <source>Right edge</source>
        <translation>Desna ivica</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Dno</translation>
    </message>
    <message>
        <source>Page left</source>
        <translation>Strana ulevo</translation>
    </message>
    <message>
        <source>Page up</source>
        <translation>Strana nagore</translation>
    </message>
    <message>
        <source>Page right</source>
        <translation>Strana udesno</translation>
    </message>
    <message>
        <source>Page down</source>
        <translation>Strana nadole</translation>
    </message>
    <message>
        <source>Scroll left</source>
        <translation>Pomeri ulevo</translation>
    </message>
    <message>
        <source>Scroll up</source>
        <translation>Pomeri nagore</translation>
    </message>
    <message>
        <source>Scroll right</source>
        <translation>Pomeri udesno</translation>
    </message>
    <message>
        <source>Scroll down</source>
        <translation>Pomeri nadole</translation>
    </message>
</context>
<context>
    <name>QUnicodeControlCharacterMenu</name>
    <message>
        <source>Insert Unicode control character</source>
        <translation>Umetni Unicode kontrolni znak</translation>
    </message>
    <message>
        <source>LRM Left-to-right mark</source>
        <translation>LRM oznaka sleva nadesno</translation>
    </message>
    <message>
        <source>RLM Right-to-left mark</source>
        <translation>RLM oznaka zdesna nalevo</translation>
    </message>
    <message>
        <source>ZWJ Zero width joiner</source>
        <translation>ZWJ spojnica nulte sirine</translation>
    </message>
    <message>
        <source>ZWNJ Zero width non-joiner</source>
        <translation>ZWNJ nespojnica nulte sirine</translation>
    </message>
    <message>
        <source>ZWSP Zero width space</source>
        <translation>ZWSP razmak nulte sirine</translation>
    </message>
    <message>
        <source>LRE Start of left-to-right embedding</source>
        <translation>LRE pocetak ugradnje sleva nadesno</translation>
    </message>
    <message>
        <source>RLE Start of right-to-left embedding</source>
        <translation>RLE pocetak ugradnje zdesna nalevo</translation>
    </message>
    <message>
        <source>LRO Start of left-to-right override</source>
        <translation>LRO pocetak nametanja sleva nadesno</translation>
    </message>
    <message>
        <source>RLO Start of right-to-left override</source>
        <translation>RLO pocetak nametanja zdesna nalevo</translation>
    </message>
    <message>
        <source>PDF Pop directional formatting</source>
        <translation>PDF kraj usmerenog oblikovanja</translation>
    </message>
    <message>
        <source>LRI Left-to-right isolate</source>
        <translation>LRI izdvajanje sleva nadesno</translation>
    </message>
    <message>
        <source>RLI Right-to-left isolate</source>
        <translation>RLI izdvajanje zdesna nalevo</translation>
    </message>
    <message>
        <source>FSI First strong isolate</source>
        <translation>FSI izdvajanje po prvom jakom znaku</translation>
    </message>
    <message>
        <source>PDI Pop directional isolate</source>
        <translation>PDI kraj usmerenog izdvajanja</translation>
    </message>
</context>
<context>
    <name>QAccessibleActionInterface</name>
    <message>
        <source>Press</source>
        <translation>Pritisni</translation>
    </message>
    <message>
        <source>Increase</source>
        <translation>Povecaj</translation>
    </message>
    <message>
        <source>Decrease</source>
        <translation>Smanji</translation>
    </message>
    <message>
        <source>ShowMenu</source>
        <translation>Prikazi meni</translation>
    </message>
    <message>
        <source>SetFocus</source>
        <translation>Postavi fokus</translation>
    </message>
    <message>
        <source>Toggle</source>
        <translation>Prebaci</translation>
    </message>
    <message>
        <source>Scroll Left</source>
        <translation>Pomeri ulevo</translation>
    </message>
    <message>
        <source>Scroll Right</source>
        <translation>Pomeri udesno</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>Pomeri nagore</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>Pomeri nadole</translation>
    </message>
    <message>
        <source>Previous Page</source>
        <translation>Prethodna strana</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>Sledeca strana</translation>
    </message>
    <message>
        <source>Triggers the action</source>
        <translation>Pokrece radnju</translation>
    </message>
    <message>
        <source>Increase the value</source>
        <translation>Povecava vrednost</translation>
    </message>
    <message>
        <source>Decrease the value</source>
        <translation>Smanjuje vrednost</translation>
    </message>
    <message>
        <source>Shows the menu</source>
        <translation>Prikazuje meni</translation>
    </message>
    <message>
        <source>Sets the focus</source>
        <translation>Postavlja fokus</translation>
    </message>
    <message>
        <source>Toggles the state</source>
        <translation>Menja stanje</translation>
    </message>
    <message>
        <source>Scrolls to the left</source>
        <translation>Pomera ulevo</translation>
    </message>
    <message>
        <source>Scrolls to the right</source>
        <translation>Pomera udesno</translation>
    </message>
    <message>
        <source>Scrolls up</source>
        <translation>Pomera nagore</translation>
    </message>
    <message>
        <source>Scrolls down</source>
        <translation>Pomera nadole</translation>
    </message>
    <message>
        <source>Goes back a page</source>
        <translation>Vraca se za jednu stranu</translation>
    </message>
    <message>
        <source>Goes to the next page</source>
        <translation>Ide na sledecu stranu</translation>
    </message>
</context>
<context>
    <name>QSpiAccessibleBridge</name>
    <message>
        <source>invalid role</source>
        <translation>neispravna uloga</translation>
    </message>
    <message>
        <source>title bar</source>
        <translation>naslovna traka</translation>
    </message>
    <message>
        <source>menu bar</source>
        <translation>traka menija</translation>
    </message>
    <message>
        <source>scroll bar</source>
        <translation>traka za pomeranje</translation>
    </message>
    <message>
        <source>grip</source>
        <translation>rucica</translation>
    </message>
    <message>
        <source>sound</source>
        <translation>zvuk</translation>
    </message>
    <message>
        <source>cursor</source>
        <translation>pokazivac</translation>
    </message>
    <message>
        <source>text caret</source>
        <translation>kursor teksta</translation>
    </message>
    <message>
        <source>alert message</source>
        <translation>poruka upozorenja</translation>
    </message>
    <message>
        <source>frame</source>
        <translation>okvir</translation>
    </message>
    <message>
        <source>filler</source>
        <translation>popuna</translation>
    </message>
    <message>
        <source>popup menu</source>
        <translation>iskacuci meni</translation>
    </message>
    <message>
        <source>menu item</source>
        <translation>stavka menija</translation>
    </message>
    <message>
        <source>tool tip</source>
        <translation>opis alatke</translation>
    </message>
    <message>
        <source>application</source>
        <translation>aplikacija</translation>
    </message>
    <message>
        <source>document</source>
        <translation>dokument</translation>
    </message>
    <message>
        <source>panel</source>
        <translation>panel</translation>
    </message>
    <message>
        <source>chart</source>
        <translation>grafikon</translation>
    </message>
    <message>
        <source>dialog</source>
        <translation>dijalog</translation>
    </message>
    <message>
        <source>separator</source>
        <translation>razdelnik</translation>
    </message>
    <message>
        <source>tool bar</source>
        <translation>traka alatki</translation>
    </message>
    <message>
        <source>status bar</source>
        <translation>statusna traka</translation>
    </message>
    <message>
        <source>table</source>
        <translation>tabela</translation>
    </message>
    <message>
        <source>column header</source>
        <translation>zaglavlje kolone</translation>
    </message>
    <message>
        <source>row header</source>
        <translation>zaglavlje reda</translation>
    </message>
    <message>
        <source>column</source>
        <translation>kolona</translation>
    </message>
    <message>
        <source>row</source>
        <translation>red</translation>
    </message>
    <message>
        <source>cell</source>
        <translation>celija</translation>
    </message>
    <message>
        <source>link</source>
        <translation>veza</translation>
    </message>
    <message>
        <source>help balloon</source>
        <translation>oblacic pomoci</translation>
    </message>
    <message>
        <source>assistant</source>
        <translation>pomocnik</translation>
    </message>
    <message>
        <source>list</source>
        <translation>lista</translation>
    </message>
    <message>
        <source>list item</source>
        <translation>stavka liste</translation>
    </message>
    <message>
        <source>tree</source>
        <translation>stablo</translation>
    </message>
    <message>
        <source>tree item</source>
        <translation>stavka stabla</translation>
    </message>
    <message>
        <source>page tab</source>
        <translation>kartica</translation>
    </message>
    <message>
        <source>property page</source>
        <translation>strana svojstava</translation>
    </message>
    <message>
        <source>indicator</source>
        <translation>pokazatelj</translation>
    </message>
    <message>
        <source>graphic</source>
        <translation>slika</translation>
    </message>
    <message>
        <source>label</source>
        <translation>natpis</translation>
    </message>
    <message>
        <source>text</source>
        <translation>tekst</translation>
    </message>
    <message>
        <source>push button</source>
        <translation>dugme</translation>
    </message>
    <message>
        <source>check box</source>
        <translation>polje za potvrdu</translation>
    </message>
    <message>
        <source>radio button</source>
        <translation>radio dugme</translation>
    </message>
    <message>
        <source>combo box</source>
        <translation>padajuca lista</translation>
    </message>
    <message>
        <source>progress bar</source>
        <translation>traka napretka</translation>
    </message>
    <message>
        <source>dial</source>
        <translation>brojcanik</translation>
    </message>
    <message>
        <source>hotkey field</source>
        <translation>polje precice</translation>
    </message>
    <message>
        <source>slider</source>
        <translation>klizac</translation>
    </message>
    <message>
        <source>spin box</source>
        <translation>brojcano polje</translation>
    </message>
    <message>
        <source>canvas</source>
        <translation>platno</translation>
    </message>
    <message>
        <source>animation</source>
        <translation>animacija</translation>
    </message>
    <message>
        <source>equation</source>
        <translation>jednacina</translation>
    </message>
    <message>
        <source>button with drop down</source>
        <translation>dugme sa padajucom listom</translation>
    </message>
    <message>
        <source>button menu</source>
        <translation>dugme sa menijem</translation>
    </message>
    <message>
        <source>button with drop down grid</source>
        <translation>dugme sa padajucom mrezom</translation>
    </message>
    <message>
        <source>space</source>
        <translation>razmak</translation>
    </message>
    <message>
        <source>page tab list</source>
        <translation>lista kartica</translation>
    </message>
    <message>
        <source>clock</source>
        <translation>sat</translation>
    </message>
    <message>
        <source>splitter</source>
        <translation>razdelnik okna</translation>
    </message>
    <message>
        <source>layered pane</source>
        <translation>slojevito okno</translation>
    </message>
    <message>
        <source>web document</source>
        <translation>veb dokument</translation>
    </message>
    <message>
        <source>paragraph</source>
        <translation>pasus</translation>
    </message>
    <message>
        <source>section</source>
        <translation>odeljak</translation>
    </message>
    <message>
        <source>color chooser</source>
        <translation>birac boje</translation>
    </message>
    <message>
        <source>footer</source>
        <translation>podnozje</translation>
    </message>
    <message>
        <source>form</source>
        <translation>obrazac</translation>
    </message>
    <message>
        <source>heading</source>
        <translation>naslov</translation>
    </message>
    <message>
        <source>note</source>
        <translation>beleska</translation>
    </message>
    <message>
        <source>complementary content</source>
        <translation>dodatni sadrzaj</translation>
    </message>
    <message>
        <source>terminal</source>
        <translation>terminal</translation>
    </message>
    <message>
        <source>desktop</source>
        <translation>radna povrsina</translation>
    </message>
    <message>
        <source>notification</source>
        <translation>obavestenje</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>nepoznato</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Displays version information.</source>
        <translation>Prikazuje verziju programa.</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Prikazuje pomoc o opcijama komandne linije.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Prikazuje pomoc zajedno sa opcijama samog Qt-a.</translation>
    </message>
    <message>
        <source>Unknown option '%1'.</source>
        <translation>Nepoznata opcija '%1'.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Nepoznate opcije: %1.</translation>
    </message>
    <message>
        <source>Missing value after '%1'.</source>
        <translation>Nedostaje vrednost posle '%1'.</translation>
    </message>
    <message>
        <source>Unexpected value after '%1'.</source>
        <translation>Neocekivana vrednost posle '%1'.</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[opcije]</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>Upotreba: %1</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opcije:</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>Argumenti:</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>Look in:</source>
        <translation>Trazi u:</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Nazad</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>Idi nazad</translation>
    </message>
    <message>
        <source>Alt+Left</source>
        <translation>Alt+Left</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Napred</translation>
    </message>
    <message>
        <source>Go forward</source>
        <translation>Idi napred</translation>
    </message>
    <message>
        <source>Alt+Right</source>
        <translation>Alt+Right</translation>
    </message>
    <message>
        <source>Parent Directory</source>
        <translation>Nadredjena fascikla</translation>
    </message>
    <message>
        <source>Go to the parent directory</source>
        <translation>Idi u nadredjenu fasciklu</translation>
    </message>
    <message>
        <source>Alt+Up</source>
        <translation>Alt+Up</translation>
    </message>
    <message>
        <source>Create New Folder</source>
        <translation>Napravi novu fasciklu</translation>
    </message>
    <message>
        <source>Create a New Folder</source>
        <translation>Napravi novu fasciklu</translation>
    </message>
    <message>
        <source>List View</source>
        <translation>Prikaz liste</translation>
    </message>
    <message>
        <source>Change to list view mode</source>
        <translation>Prikazi kao listu</translation>
    </message>
    <message>
        <source>Detail View</source>
        <translation>Prikaz sa detaljima</translation>
    </message>
    <message>
        <source>Change to detail view mode</source>
        <translation>Prikazi sa detaljima</translation>
    </message>
    <message>
        <source>Sidebar</source>
        <translation>Bocna traka</translation>
    </message>
    <message>
        <source>List of places and bookmarks</source>
        <translation>Lista mesta i obelezivaca</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Datoteke</translation>
    </message>
    <message>
        <source>Files of type:</source>
        <translation>Vrsta datoteka:</translation>
    </message>
    <message>
        <source>Find Directory</source>
        <translation>Nadji fasciklu</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Otvori</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Sacuvaj kao</translation>
    </message>
    <message>
        <source>Directory:</source>
        <translation>Fascikla:</translation>
    </message>
    <message>
        <source>File &amp;name:</source>
        <translation>&amp;Ime datoteke:</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Otvori</translation>
    </message>
    <message>
        <source>&amp;Choose</source>
        <translation>&amp;Izaberi</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Sacuvaj</translation>
    </message>
    <message>
        <source>Show </source>
        <translation>Prikazi </translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>&amp;Preimenuj</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Obrisi</translation>
    </message>
    <message>
        <source>Show &amp;hidden files</source>
        <translation>Prikazi &amp;skrivene datoteke</translation>
    </message>
    <message>
        <source>&amp;New Folder</source>
        <translation>&amp;Nova fascikla</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Sve datoteke (*)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Sve datoteke (*)</translation>
    </message>
    <message>
        <source>Directories</source>
        <translation>Fascikle</translation>
    </message>
    <message>
        <source>%1
Directory not found.
Please verify the correct directory name was given.</source>
        <translation>%1
Fascikla nije nadjena.
Proverite da li je ime fascikle tacno.</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 vec postoji.
Da li zelite da je zamenite?</translation>
    </message>
    <message>
        <source>%1
File not found.
Please verify the correct file name was given.</source>
        <translation>%1
Datoteka nije nadjena.
Proverite da li je ime datoteke tacno.</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Nova fascikla</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Obrisi</translation>
    </message>
    <message>
        <source>'%1' is write protected.
Do you want to delete it anyway?</source>
        <translation>'%1' je zasticena od upisa.
Da li ipak zelite da je obrisete?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete '%1'?</source>
        <translation>Da li sigurno zelite da obrisete '%1'?</translation>
    </message>
    <message>
        <source>Could not delete directory.</source>
        <translation>Fascikla ne moze da se obrise.</translation>
    </message>
    <message>
        <source>Recent Places</source>
        <translation>Skorasnja mesta</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Ukloni</translation>
    </message>
</context>
<context>
    <name>QFileSystemModel</name>
    <message>
        <source>Name</source>
        <translation>Ime</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Velicina</translation>
    </message>
    <message>
        <source>Kind</source>
        <comment>Match OS X Finder</comment>
        <translation>Vrsta</translation>
    </message>
    <message>
        <source>Type</source>
        <comment>All other platforms</comment>
        <translation>Vrsta</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>Izmenjeno</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>Racunar</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Racunar</translation>
    </message>
</context>
<context>
    <name>QAbstractFileIconProvider</name>
    <message>
        <source>Drive</source>
        <translation>Disk</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datoteka</translation>
    </message>
    <message>
        <source>File Folder</source>
        <comment>Match Windows Explorer</comment>
        <translation>Fascikla</translation>
    </message>
    <message>
        <source>Folder</source>
        <comment>All other platforms</comment>
        <translation>Fascikla</translation>
    </message>
    <message>
        <source>Alias</source>
        <comment>macOS Finder</comment>
        <translation>Precica</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <comment>All other platforms</comment>
        <translation>Precica</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Nepoznato</translation>
    </message>
</context>
<context>
    <name>QPrintDialog</name>
    <message>
        <source>Print</source>
        <translation>Stampanje</translation>
    </message>
    <message>
        <source>Left to Right, Top to Bottom</source>
        <translation>Sleva nadesno, odozgo nadole</translation>
    </message>
    <message>
        <source>Left to Right, Bottom to Top</source>
        <translation>Sleva nadesno, odozdo nagore</translation>
    </message>
    <message>
        <source>Right to Left, Bottom to Top</source>
        <translation>Zdesna nalevo, odozdo nagore</translation>
    </message>
    <message>
        <source>Right to Left, Top to Bottom</source>
        <translation>Zdesna nalevo, odozgo nadole</translation>
    </message>
    <message>
        <source>Bottom to Top, Left to Right</source>
        <translation>Odozdo nagore, sleva nadesno</translation>
    </message>
    <message>
        <source>Bottom to Top, Right to Left</source>
        <translation>Odozdo nagore, zdesna nalevo</translation>
    </message>
    <message>
        <source>Top to Bottom, Left to Right</source>
        <translation>Odozgo nadole, sleva nadesno</translation>
    </message>
    <message>
        <source>Top to Bottom, Right to Left</source>
        <translation>Odozgo nadole, zdesna nalevo</translation>
    </message>
    <message>
        <source>1 (1x1)</source>
        <translation>1 (1x1)</translation>
    </message>
    <message>
        <source>2 (2x1)</source>
        <translation>2 (2x1)</translation>
    </message>
    <message>
        <source>4 (2x2)</source>
        <translation>4 (2x2)</translation>
    </message>
    <message>
        <source>6 (2x3)</source>
        <translation>6 (2x3)</translation>
    </message>
    <message>
        <source>9 (3x3)</source>
        <translation>9 (3x3)</translation>
    </message>
    <message>
        <source>16 (4x4)</source>
        <translation>16 (4x4)</translation>
    </message>
    <message>
        <source>All Pages</source>
        <translation>Sve strane</translation>
    </message>
    <message>
        <source>Odd Pages</source>
        <translation>Neparne strane</translation>
    </message>
    <message>
        <source>Even Pages</source>
        <translation>Parne strane</translation>
    </message>
    <message>
        <source>&amp;Options &gt;&gt;</source>
        <translation>&amp;Opcije &gt;&gt;</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Stampaj</translation>
    </message>
    <message>
        <source>&amp;Options &lt;&lt;</source>
        <translation>&amp;Opcije &lt;&lt;</translation>
    </message>
    <message>
        <source>Invalid Pages Definition</source>
        <translation>Neispravno zadate strane</translation>
    </message>
    <message>
        <source>%1 does not follow the correct syntax. Please use ',' to separate ranges and pages, '-' to define ranges and make sure ranges do not intersect with each other.</source>
        <translation>%1 nije ispravno zapisano. Strane i opsege odvojite zarezom (','), opseg zadajte crticom ('-') i pazite da se opsezi ne preklapaju.</translation>
    </message>
    <message>
        <source>Duplex Settings Conflicts</source>
        <translation>Sukob podesavanja dvostrane stampe</translation>
    </message>
    <message>
        <source>There are conflicts in duplex settings. Do you want to fix them?</source>
        <translation>Podesavanja dvostrane stampe su u sukobu. Da li zelite da ih ispravite?</translation>
    </message>
    <message>
        <source>Print to File (PDF)</source>
        <translation>Stampaj u datoteku (PDF)</translation>
    </message>
    <message>
        <source>Local file</source>
        <translation>Lokalna datoteka</translation>
    </message>
    <message>
        <source>Write PDF file</source>
        <translation>Upis u PDF datoteku</translation>
    </message>
    <message>
        <source>Print To File ...</source>
        <translation>Stampanje u datoteku</translation>
    </message>
    <message>
        <source>%1 is a directory.
Please choose a different file name.</source>
        <translation>%1 je fascikla.
Izaberite drugo ime datoteke.</translation>
    </message>
    <message>
        <source>File %1 is not writable.
Please choose a different file name.</source>
        <translation>U datoteku %1 ne moze da se pise.
Izaberite drugo ime datoteke.</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to overwrite it?</source>
        <translation>%1 vec postoji.
Da li zelite da je zamenite?</translation>
    </message>
    <message>
        <source>Options 'Pages Per Sheet' and 'Page Set' cannot be used together.
Please turn one of those options off.</source>
        <translation>Opcije 'Strana po listu' i 'Skup strana' ne mogu da se koriste zajedno.
Iskljucite jednu od njih.</translation>
    </message>
</context>
<context>
    <name>QPrintWidget</name>
    <message>
        <source>Form</source>
        <translation>Obrazac</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Stampac</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Ime:</translation>
    </message>
    <message>
        <source>P&amp;roperties</source>
        <translation>S&amp;vojstva</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>Lokacija:</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Pregled</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Vrsta:</translation>
    </message>
    <message>
        <source>Output &amp;file:</source>
        <translation>Izlazna &amp;datoteka:</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
</context>
<context>
    <name>QPrintSettingsOutput</name>
    <message>
        <source>Form</source>
        <translation>Obrazac</translation>
    </message>
    <message>
        <source>Copies</source>
        <translation>Kopije</translation>
    </message>
    <message>
        <source>Print range</source>
        <translation>Opseg strana</translation>
    </message>
    <message>
        <source>Print all</source>
        <translation>Sve strane</translation>
    </message>
    <message>
        <source>Pages from</source>
        <translation>Strane od</translation>
    </message>
    <message>
        <source>to</source>
        <translation>do</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Strane</translation>
    </message>
    <message>
        <source>Specify pages or ranges separated by commas. Ranges are specified by two numbers separated by a hyphen. E.g: 3,5-7,9 prints pages 3, 5, 6, 7 and 9.</source>
        <translation>Navedite strane ili opsege odvojene zarezima. Opseg se zadaje sa dva broja odvojena crticom. Npr. 3,5-7,9 stampa strane 3, 5, 6, 7 i 9.</translation>
    </message>
    <message>
        <source>Current Page</source>
        <translation>Trenutna strana</translation>
    </message>
    <message>
        <source>Selection</source>
        <translation>Izabrano</translation>
    </message>
    <message>
        <source>Page Set:</source>
        <translation>Skup strana:</translation>
    </message>
    <message>
        <source>Output Settings</source>
        <translation>Podesavanja stampe</translation>
    </message>
    <message>
        <source>Copies:</source>
        <translation>Broj kopija:</translation>
    </message>
    <message>
        <source>Collate</source>
        <translation>Slozi po kopijama</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Obrnutim redom</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opcije</translation>
    </message>
    <message>
        <source>Color Mode</source>
        <translation>Rezim boja</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>U boji</translation>
    </message>
    <message>
        <source>Grayscale</source>
        <translation>Nijanse sive</translation>
    </message>
    <message>
        <source>Double Sided Printing</source>
        <translation>Dvostrana stampa</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Iskljucena</translation>
    </message>
    <message>
        <source>Long side binding</source>
        <translation>Povez po duzoj ivici</translation>
    </message>
    <message>
        <source>Short side binding</source>
        <translation>Povez po kracoj ivici</translation>
    </message>
</context>
<context>
    <name>QPrintPropertiesDialog</name>
    <message>
        <source>Printer Properties</source>
        <translation>Svojstva stampaca</translation>
    </message>
    <message>
        <source>Job Options</source>
        <translation>Opcije posla</translation>
    </message>
    <message>
        <source>Page Setup Conflicts</source>
        <translation>Sukob podesavanja strane</translation>
    </message>
    <message>
        <source>There are conflicts in page setup options. Do you want to fix them?</source>
        <translation>Opcije podesavanja strane su u sukobu. Da li zelite da ih ispravite?</translation>
    </message>
    <message>
        <source>Advanced Option Conflicts</source>
        <translation>Sukob naprednih opcija</translation>
    </message>
    <message>
        <source>There are conflicts in some advanced options. Do you want to fix them?</source>
        <translation>Neke napredne opcije su u sukobu. Da li zelite da ih ispravite?</translation>
    </message>
</context>
<context>
    <name>QPrintPropertiesWidget</name>
    <message>
        <source>Form</source>
        <translation>Obrazac</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Strana</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Napredno</translation>
    </message>
    <message>
        <source>There are conflicts in some options. Please fix them.</source>
        <translation>Neke opcije su u sukobu. Ispravite ih.</translation>
    </message>
</context>
<context>
    <name>QCupsJobWidget</name>
    <message>
        <source>Job</source>
        <translation>Posao</translation>
    </message>
    <message>
        <source>Job Control</source>
        <translation>Upravljanje poslom</translation>
    </message>
    <message>
        <source>Scheduled printing:</source>
        <translation>Vreme stampe:</translation>
    </message>
    <message>
        <source>Billing information:</source>
        <translation>Podaci za naplatu:</translation>
    </message>
    <message>
        <source>Job priority:</source>
        <translation>Prioritet posla:</translation>
    </message>
    <message>
        <source>Banner Pages</source>
        <translation>Naslovne strane</translation>
    </message>
    <message>
        <source>End:</source>
        <comment>Banner page at end</comment>
        <translation>Na kraju:</translation>
    </message>
    <message>
        <source>Start:</source>
        <comment>Banner page at start</comment>
        <translation>Na pocetku:</translation>
    </message>
    <message>
        <source>Print Immediately</source>
        <translation>Odmah</translation>
    </message>
    <message>
        <source>Hold Indefinitely</source>
        <translation>Zadrzi do daljeg</translation>
    </message>
    <message>
        <source>Day (06:00 to 17:59)</source>
        <translation>Danju (06:00 do 17:59)</translation>
    </message>
    <message>
        <source>Night (18:00 to 05:59)</source>
        <translation>Nocu (18:00 do 05:59)</translation>
    </message>
    <message>
        <source>Second Shift (16:00 to 23:59)</source>
        <translation>Druga smena (16:00 do 23:59)</translation>
    </message>
    <message>
        <source>Third Shift (00:00 to 07:59)</source>
        <translation>Treca smena (00:00 do 07:59)</translation>
    </message>
    <message>
        <source>Weekend (Saturday to Sunday)</source>
        <translation>Vikendom (subota i nedelja)</translation>
    </message>
    <message>
        <source>Specific Time</source>
        <translation>U zadato vreme</translation>
    </message>
    <message>
        <source>None</source>
        <comment>CUPS Banner page</comment>
        <translation>Nijedna</translation>
    </message>
    <message>
        <source>Standard</source>
        <comment>CUPS Banner page</comment>
        <translation>Standardna</translation>
    </message>
    <message>
        <source>Unclassified</source>
        <comment>CUPS Banner page</comment>
        <translation>Neklasifikovana</translation>
    </message>
    <message>
        <source>Confidential</source>
        <comment>CUPS Banner page</comment>
        <translation>Poverljiva</translation>
    </message>
    <message>
        <source>Classified</source>
        <comment>CUPS Banner page</comment>
        <translation>Klasifikovana</translation>
    </message>
    <message>
        <source>Secret</source>
        <comment>CUPS Banner page</comment>
        <translation>Tajna</translation>
    </message>
    <message>
        <source>Top Secret</source>
        <comment>CUPS Banner page</comment>
        <translation>Strogo tajna</translation>
    </message>
</context>
<context>
    <name>QPageSetupWidget</name>
    <message>
        <source>Form</source>
        <translation>Obrazac</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>Papir</translation>
    </message>
    <message>
        <source>Page size:</source>
        <translation>Velicina papira:</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Sirina:</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Visina:</translation>
    </message>
    <message>
        <source>Paper source:</source>
        <translation>Izvor papira:</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>Orijentacija</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Uspravno</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Polozeno</translation>
    </message>
    <message>
        <source>Reverse landscape</source>
        <translation>Obrnuto polozeno</translation>
    </message>
    <message>
        <source>Reverse portrait</source>
        <translation>Obrnuto uspravno</translation>
    </message>
    <message>
        <source>Margins</source>
        <translation>Margine</translation>
    </message>
    <message>
        <source>top margin</source>
        <translation>gornja margina</translation>
    </message>
    <message>
        <source>left margin</source>
        <translation>leva margina</translation>
    </message>
    <message>
        <source>right margin</source>
        <translation>desna margina</translation>
    </message>
    <message>
        <source>bottom margin</source>
        <translation>donja margina</translation>
    </message>
    <message>
        <source>Page Layout</source>
        <translation>Raspored strana</translation>
    </message>
    <message>
        <source>Page order:</source>
        <translation>Redosled strana:</translation>
    </message>
    <message>
        <source>Pages per sheet:</source>
        <translation>Strana po listu:</translation>
    </message>
    <message>
        <source>Millimeters (mm)</source>
        <translation>Milimetri (mm)</translation>
    </message>
    <message>
        <source>Inches (in)</source>
        <translation>Inci (in)</translation>
    </message>
    <message>
        <source>Points (pt)</source>
        <translation>Tacke (pt)</translation>
    </message>
    <message>
        <source>Pica (P̸)</source>
        <translation>Pike (pc)</translation>
    </message>
    <message>
        <source>Didot (DD)</source>
        <translation>Dido (DD)</translation>
    </message>
    <message>
        <source>Cicero (CC)</source>
        <translation>Cicero (CC)</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Proizvoljna</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>pt</source>
        <translation>pt</translation>
    </message>
    <message>
        <source>in</source>
        <translation>in</translation>
    </message>
    <message>
        <source>P̸</source>
        <translation>pc</translation>
    </message>
    <message>
        <source>DD</source>
        <translation>DD</translation>
    </message>
    <message>
        <source>CC</source>
        <translation>CC</translation>
    </message>
</context>
<context>
    <name>QPrintPreviewDialog</name>
    <message>
        <source>Page Setup</source>
        <translation>Podesavanje strane</translation>
    </message>
</context>
<context>
    <name>QPageSize</name>
    <message>
        <source>Custom (%1mm x %2mm)</source>
        <translation>Proizvoljna (%1 mm x %2 mm)</translation>
    </message>
    <message>
        <source>Custom (%1pt x %2pt)</source>
        <translation>Proizvoljna (%1 pt x %2 pt)</translation>
    </message>
    <message>
        <source>Custom (%1in x %2in)</source>
        <translation>Proizvoljna (%1 in x %2 in)</translation>
    </message>
    <message>
        <source>Custom (%1pc x %2pc)</source>
        <translation>Proizvoljna (%1 pc x %2 pc)</translation>
    </message>
    <message>
        <source>Custom (%1DD x %2DD)</source>
        <translation>Proizvoljna (%1 DD x %2 DD)</translation>
    </message>
    <message>
        <source>Custom (%1CC x %2CC)</source>
        <translation>Proizvoljna (%1 CC x %2 CC)</translation>
    </message>
    <message>
        <source>%1 x %2 in</source>
        <translation>%1 x %2 in</translation>
    </message>
    <message>
        <source>A0</source>
        <translation>A0</translation>
    </message>
    <message>
        <source>A1</source>
        <translation>A1</translation>
    </message>
    <message>
        <source>A2</source>
        <translation>A2</translation>
    </message>
    <message>
        <source>A3</source>
        <translation>A3</translation>
    </message>
    <message>
        <source>A4</source>
        <translation>A4</translation>
    </message>
    <message>
        <source>A5</source>
        <translation>A5</translation>
    </message>
    <message>
        <source>A6</source>
        <translation>A6</translation>
    </message>
    <message>
        <source>A7</source>
        <translation>A7</translation>
    </message>
    <message>
        <source>A8</source>
        <translation>A8</translation>
    </message>
    <message>
        <source>A9</source>
        <translation>A9</translation>
    </message>
    <message>
        <source>A10</source>
        <translation>A10</translation>
    </message>
    <message>
        <source>B0</source>
        <translation>B0</translation>
    </message>
    <message>
        <source>B1</source>
        <translation>B1</translation>
    </message>
    <message>
        <source>B2</source>
        <translation>B2</translation>
    </message>
    <message>
        <source>B3</source>
        <translation>B3</translation>
    </message>
    <message>
        <source>B4</source>
        <translation>B4</translation>
    </message>
    <message>
        <source>B5</source>
        <translation>B5</translation>
    </message>
    <message>
        <source>B6</source>
        <translation>B6</translation>
    </message>
    <message>
        <source>B7</source>
        <translation>B7</translation>
    </message>
    <message>
        <source>B8</source>
        <translation>B8</translation>
    </message>
    <message>
        <source>B9</source>
        <translation>B9</translation>
    </message>
    <message>
        <source>B10</source>
        <translation>B10</translation>
    </message>
    <message>
        <source>Executive (7.5 x 10 in)</source>
        <translation>Izvrsni (7,5 x 10 in)</translation>
    </message>
    <message>
        <source>Executive (7.25 x 10.5 in)</source>
        <translation>Izvrsni (7,25 x 10,5 in)</translation>
    </message>
    <message>
        <source>Folio (8.27 x 13 in)</source>
        <translation>Folio (8,27 x 13 in)</translation>
    </message>
    <message>
        <source>Legal</source>
        <translation>Pravni</translation>
    </message>
    <message>
        <source>Letter / ANSI A</source>
        <translation>Pismo / ANSI A</translation>
    </message>
    <message>
        <source>Tabloid / ANSI B</source>
        <translation>Tabloid / ANSI B</translation>
    </message>
    <message>
        <source>Ledger / ANSI B</source>
        <translation>Glavna knjiga / ANSI B</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Proizvoljna</translation>
    </message>
    <message>
        <source>A3 Extra</source>
        <translation>A3 ekstra</translation>
    </message>
    <message>
        <source>A4 Extra</source>
        <translation>A4 ekstra</translation>
    </message>
    <message>
        <source>A4 Plus</source>
        <translation>A4 plus</translation>
    </message>
    <message>
        <source>A4 Small</source>
        <translation>A4 mali</translation>
    </message>
    <message>
        <source>A5 Extra</source>
        <translation>A5 ekstra</translation>
    </message>
    <message>
        <source>B5 Extra</source>
        <translation>B5 ekstra</translation>
    </message>
    <message>
        <source>JIS B0</source>
        <translation>JIS B0</translation>
    </message>
    <message>
        <source>JIS B1</source>
        <translation>JIS B1</translation>
    </message>
    <message>
        <source>JIS B2</source>
        <translation>JIS B2</translation>
    </message>
    <message>
        <source>JIS B3</source>
        <translation>JIS B3</translation>
    </message>
    <message>
        <source>JIS B4</source>
        <translation>JIS B4</translation>
    </message>
    <message>
        <source>JIS B5</source>
        <translation>JIS B5</translation>
    </message>
    <message>
        <source>JIS B6</source>
        <translation>JIS B6</translation>
    </message>
    <message>
        <source>JIS B7</source>
        <translation>JIS B7</translation>
    </message>
    <message>
        <source>JIS B8</source>
        <translation>JIS B8</translation>
    </message>
    <message>
        <source>JIS B9</source>
        <translation>JIS B9</translation>
    </message>
    <message>
        <source>JIS B10</source>
        <translation>JIS B10</translation>
    </message>
    <message>
        <source>ANSI C</source>
        <translation>ANSI C</translation>
    </message>
    <message>
        <source>ANSI D</source>
        <translation>ANSI D</translation>
    </message>
    <message>
        <source>ANSI E</source>
        <translation>ANSI E</translation>
    </message>
    <message>
        <source>Legal Extra</source>
        <translation>Pravni ekstra</translation>
    </message>
    <message>
        <source>Letter Extra</source>
        <translation>Pismo ekstra</translation>
    </message>
    <message>
        <source>Letter Plus</source>
        <translation>Pismo plus</translation>
    </message>
    <message>
        <source>Letter Small</source>
        <translation>Pismo malo</translation>
    </message>
    <message>
        <source>Tabloid Extra</source>
        <translation>Tabloid ekstra</translation>
    </message>
    <message>
        <source>Architect A</source>
        <translation>Arhitektonski A</translation>
    </message>
    <message>
        <source>Architect B</source>
        <translation>Arhitektonski B</translation>
    </message>
    <message>
        <source>Architect C</source>
        <translation>Arhitektonski C</translation>
    </message>
    <message>
        <source>Architect D</source>
        <translation>Arhitektonski D</translation>
    </message>
    <message>
        <source>Architect E</source>
        <translation>Arhitektonski E</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Beleska</translation>
    </message>
    <message>
        <source>Quarto</source>
        <translation>Kvarto</translation>
    </message>
    <message>
        <source>Statement</source>
        <translation>Izvod</translation>
    </message>
    <message>
        <source>Super A</source>
        <translation>Super A</translation>
    </message>
    <message>
        <source>Super B</source>
        <translation>Super B</translation>
    </message>
    <message>
        <source>Postcard</source>
        <translation>Dopisnica</translation>
    </message>
    <message>
        <source>Double Postcard</source>
        <translation>Dvostruka dopisnica</translation>
    </message>
    <message>
        <source>PRC 16K</source>
        <translation>PRC 16K</translation>
    </message>
    <message>
        <source>PRC 32K</source>
        <translation>PRC 32K</translation>
    </message>
    <message>
        <source>PRC 32K Big</source>
        <translation>PRC 32K Big</translation>
    </message>
    <message>
        <source>Fan-fold US (14.875 x 11 in)</source>
        <translation>Beskonacni papir SAD (14,875 x 11 in)</translation>
    </message>
    <message>
        <source>Fan-fold German (8.5 x 12 in)</source>
        <translation>Beskonacni papir nemacki (8,5 x 12 in)</translation>
    </message>
    <message>
        <source>Fan-fold German Legal (8.5 x 13 in)</source>
        <translation>Beskonacni papir nemacki pravni (8,5 x 13 in)</translation>
    </message>
    <message>
        <source>Envelope B4</source>
        <translation>Koverta B4</translation>
    </message>
    <message>
        <source>Envelope B5</source>
        <translation>Koverta B5</translation>
    </message>
    <message>
        <source>Envelope B6</source>
        <translation>Koverta B6</translation>
    </message>
    <message>
        <source>Envelope C0</source>
        <translation>Koverta C0</translation>
    </message>
    <message>
        <source>Envelope C1</source>
        <translation>Koverta C1</translation>
    </message>
    <message>
        <source>Envelope C2</source>
        <translation>Koverta C2</translation>
    </message>
    <message>
        <source>Envelope C3</source>
        <translation>Koverta C3</translation>
    </message>
    <message>
        <source>Envelope C4</source>
        <translation>Koverta C4</translation>
    </message>
    <message>
        <source>Envelope C5</source>
        <translation>Koverta C5</translation>
    </message>
    <message>
        <source>Envelope C6</source>
        <translation>Koverta C6</translation>
    </message>
    <message>
        <source>Envelope C65</source>
        <translation>Koverta C65</translation>
    </message>
    <message>
        <source>Envelope C7</source>
        <translation>Koverta C7</translation>
    </message>
    <message>
        <source>Envelope DL</source>
        <translation>Koverta DL</translation>
    </message>
    <message>
        <source>Envelope US 9</source>
        <translation>Koverta SAD 9</translation>
    </message>
    <message>
        <source>Envelope US 10</source>
        <translation>Koverta SAD 10</translation>
    </message>
    <message>
        <source>Envelope US 11</source>
        <translation>Koverta SAD 11</translation>
    </message>
    <message>
        <source>Envelope US 12</source>
        <translation>Koverta SAD 12</translation>
    </message>
    <message>
        <source>Envelope US 14</source>
        <translation>Koverta SAD 14</translation>
    </message>
    <message>
        <source>Envelope Monarch</source>
        <translation>Koverta Monarh</translation>
    </message>
    <message>
        <source>Envelope Personal</source>
        <translation>Koverta licna</translation>
    </message>
    <message>
        <source>Envelope Chou 3</source>
        <translation>Koverta Chou 3</translation>
    </message>
    <message>
        <source>Envelope Chou 4</source>
        <translation>Koverta Chou 4</translation>
    </message>
    <message>
        <source>Envelope Invite</source>
        <translation>Koverta za pozivnicu</translation>
    </message>
    <message>
        <source>Envelope Italian</source>
        <translation>Koverta italijanska</translation>
    </message>
    <message>
        <source>Envelope Kaku 2</source>
        <translation>Koverta Kaku 2</translation>
    </message>
    <message>
        <source>Envelope Kaku 3</source>
        <translation>Koverta Kaku 3</translation>
    </message>
    <message>
        <source>Envelope PRC 1</source>
        <translation>Koverta PRC 1</translation>
    </message>
    <message>
        <source>Envelope PRC 2</source>
        <translation>Koverta PRC 2</translation>
    </message>
    <message>
        <source>Envelope PRC 3</source>
        <translation>Koverta PRC 3</translation>
    </message>
    <message>
        <source>Envelope PRC 4</source>
        <translation>Koverta PRC 4</translation>
    </message>
    <message>
        <source>Envelope PRC 5</source>
        <translation>Koverta PRC 5</translation>
    </message>
    <message>
        <source>Envelope PRC 6</source>
        <translation>Koverta PRC 6</translation>
    </message>
    <message>
        <source>Envelope PRC 7</source>
        <translation>Koverta PRC 7</translation>
    </message>
    <message>
        <source>Envelope PRC 8</source>
        <translation>Koverta PRC 8</translation>
    </message>
    <message>
        <source>Envelope PRC 9</source>
        <translation>Koverta PRC 9</translation>
    </message>
    <message>
        <source>Envelope PRC 10</source>
        <translation>Koverta PRC 10</translation>
    </message>
    <message>
        <source>Envelope You 4</source>
        <translation>Koverta You 4</translation>
    </message>
</context>
<context>
    <name>Print Device Input Slot</name>
    <message>
        <source>Automatic</source>
        <translation>Automatski</translation>
    </message>
</context>
<context>
    <name>Print Device Output Bin</name>
    <message>
        <source>Automatic</source>
        <translation>Automatski</translation>
    </message>
</context>
<context>
    <name>QCupsPrinterSupport</name>
    <message>
        <source>Authentication Needed</source>
        <translation>Potrebna je prijava</translation>
    </message>
    <message>
        <source>Authentication needed to use %1.</source>
        <translation>Za pristup %1 potrebna je prijava.</translation>
    </message>
    <message>
        <source>Authentication needed to use %1 on %2.</source>
        <translation>Za pristup %1 na %2 potrebna je prijava.</translation>
    </message>
    <message>
        <source>Username:</source>
        <translation>Korisnicko ime:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Lozinka:</translation>
    </message>
</context>
</TS>
