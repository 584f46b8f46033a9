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
</TS>
