<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="cs_CZ">
<context>
    <name>glyphon</name>
    <message>
        <source>BMP obrázek dosud nebyl vytvořen</source>
        <translation>No bitmap has been created yet</translation>
    </message>
    <message>
        <source>Nepodařilo se otevřít soubor</source>
        <translation>Could not open the file</translation>
    </message>
    <message>
        <source>Chyba při zápisu do souboru</source>
        <translation>Error writing to the file</translation>
    </message>
    <message>
        <source>Nepodporovaný formát bitmapy (špatná barevná hloubka)</source>
        <translation>Unsupported bitmap format (wrong colour depth)</translation>
    </message>
    <message>
        <source>Nedostatek paměti</source>
        <translation>Not enough memory</translation>
    </message>
    <message>
        <source>Metoda podporuje pouze 4bpp a 8bpp</source>
        <translation>The method supports 4bpp and 8bpp only</translation>
    </message>
    <message>
        <source>Nepodporovaná metoda pro 8bpp</source>
        <translation>Unsupported method for 8bpp</translation>
    </message>
    <message>
        <source>Nepodporovaná metoda pro 4bpp</source>
        <translation>Unsupported method for 4bpp</translation>
    </message>
    <message>
        <source>Soubor BMP je zkrácený nebo poškozený</source>
        <translation>The BMP file is truncated or damaged</translation>
    </message>
    <message>
        <source>Neplatná hlavička souboru BMP</source>
        <translation>Invalid BMP file header</translation>
    </message>
    <message>
        <source>Neplatné rozměry obrázku BMP</source>
        <translation>Invalid BMP picture dimensions</translation>
    </message>
    <message>
        <source>Obrázek BMP je příliš velký</source>
        <translation>The BMP picture is too large</translation>
    </message>
    <message>
        <source>Chyba při čtení souboru</source>
        <translation>Error reading the file</translation>
    </message>
    <message>
        <source>Neplatné rozměry zdrojového obrázku</source>
        <translation>Invalid source picture dimensions</translation>
    </message>
    <message>
        <source>Obrazová data jsou kratší, než udává hlavička</source>
        <translation>The pixel data is shorter than the header says</translation>
    </message>
    <message>
        <source>Paleta obrázku má méně než dvě barvy</source>
        <translation>The picture&apos;s palette has fewer than two colours</translation>
    </message>
    <message>
        <source>Chyba při ukládání PNG
</source>
        <translation>Error saving PNG
</translation>
    </message>
    <message>
        <source>Nerozpoznaná chyba</source>
        <translation>Unrecognised error</translation>
    </message>
    <message>
        <source>Cannot open file</source>
        <translation>Cannot open file</translation>
    </message>
    <message>
        <source>Error while reading the file</source>
        <translation>Error while reading the file</translation>
    </message>
    <message>
        <source>Unsupported WBMP type (=/= 0)</source>
        <translation>Unsupported WBMP type (=/= 0)</translation>
    </message>
    <message>
        <source>Wrong FixHeaderField (msb =/= 0)</source>
        <translation>Wrong FixHeaderField (msb =/= 0)</translation>
    </message>
    <message>
        <source>Invalid WBMP dimensions</source>
        <translation>Invalid WBMP dimensions</translation>
    </message>
    <message>
        <source>Insufficient memory</source>
        <translation>Insufficient memory</translation>
    </message>
    <message>
        <source>Cannot write to file</source>
        <translation>Cannot write to file</translation>
    </message>
    <message>
        <source>WBMP not loaded</source>
        <translation>WBMP not loaded</translation>
    </message>
    <message>
        <source>Unsupported WBMP type</source>
        <translation>Unsupported WBMP type</translation>
    </message>
    <message>
        <source>DIB rows do not match its header</source>
        <translation>DIB rows do not match its header</translation>
    </message>
    <message>
        <source>Unsupported bpp for this operation (bpp = %d)</source>
        <translation>Unsupported bpp for this operation (bpp = %d)</translation>
    </message>
    <message>
        <source>No error</source>
        <translation>No error</translation>
    </message>
    <message>
        <source>Error loading BMP file</source>
        <translation>Error loading BMP file</translation>
    </message>
    <message>
        <source>Error loading BMP to window</source>
        <translation>Error loading BMP to window</translation>
    </message>
    <message>
        <source>Error loading WBMP file</source>
        <translation>Error loading WBMP file</translation>
    </message>
    <message>
        <source>Error loading JPEG file</source>
        <translation>Error loading JPEG file</translation>
    </message>
    <message>
        <source>Error loading GIF file</source>
        <translation>Error loading GIF file</translation>
    </message>
    <message>
        <source>Error saving BMP</source>
        <translation>Error saving BMP</translation>
    </message>
    <message>
        <source>Error saving WBMP</source>
        <translation>Error saving WBMP</translation>
    </message>
    <message>
        <source>Error saving temporary BMP</source>
        <translation>Error saving temporary BMP</translation>
    </message>
    <message>
        <source>No BMP loaded/created so far</source>
        <translation>No BMP loaded/created so far</translation>
    </message>
    <message>
        <source>No WBMP loaded/created so far</source>
        <translation>No WBMP loaded/created so far</translation>
    </message>
    <message>
        <source>ERR_NOFILE</source>
        <translation>ERR_NOFILE</translation>
    </message>
    <message>
        <source>Cannot create file</source>
        <translation>Cannot create file</translation>
    </message>
    <message>
        <source>Unknown file type</source>
        <translation>Unknown file type</translation>
    </message>
    <message>
        <source>Unsupported BitsPerPixel value</source>
        <translation>Unsupported BitsPerPixel value</translation>
    </message>
    <message>
        <source>Unsupported compression type</source>
        <translation>Unsupported compression type</translation>
    </message>
    <message>
        <source>Conversion from WBMP to BMP failed</source>
        <translation>Conversion from WBMP to BMP failed</translation>
    </message>
    <message>
        <source>Conversion to monochrome failed</source>
        <translation>Conversion to monochrome failed</translation>
    </message>
    <message>
        <source>Error while resizing</source>
        <translation>Error while resizing</translation>
    </message>
    <message>
        <source>HTTP request refused</source>
        <translation>HTTP request refused</translation>
    </message>
    <message>
        <source>HTTP connection failed</source>
        <translation>HTTP connection failed</translation>
    </message>
    <message>
        <source>User Abort</source>
        <translation>User Abort</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Out of memory</translation>
    </message>
    <message>
        <source>Unsupported format</source>
        <translation>Unsupported format</translation>
    </message>
    <message>
        <source>Cannot open file for reading</source>
        <translation>Cannot open file for reading</translation>
    </message>
    <message>
        <source>Cannot load image from codec</source>
        <translation>Cannot load image from codec</translation>
    </message>
    <message>
        <source>GIF Out of synchronization</source>
        <translation>GIF Out of synchronization</translation>
    </message>
    <message>
        <source>GIF Loader: Error reading signature</source>
        <translation>GIF Loader: Error reading signature</translation>
    </message>
    <message>
        <source>GIF Loader: Error reading screen descriptor</source>
        <translation>GIF Loader: Error reading screen descriptor</translation>
    </message>
    <message>
        <source>GIF Loader: Error reading global palette</source>
        <translation>GIF Loader: Error reading global palette</translation>
    </message>
    <message>
        <source>GIF Loader: Error reading image descriptor</source>
        <translation>GIF Loader: Error reading image descriptor</translation>
    </message>
    <message>
        <source>GIF Loader: Error reading initial code size</source>
        <translation>GIF Loader: Error reading initial code size</translation>
    </message>
    <message>
        <source>GIF Loader: Error reading data block size</source>
        <translation>GIF Loader: Error reading data block size</translation>
    </message>
    <message>
        <source>GIF Loader: Error reading raster data</source>
        <translation>GIF Loader: Error reading raster data</translation>
    </message>
    <message>
        <source>GIF Loader: Error reading local palette</source>
        <translation>GIF Loader: Error reading local palette</translation>
    </message>
    <message>
        <source>GIF Loader: Failed to skip image block</source>
        <translation>GIF Loader: Failed to skip image block</translation>
    </message>
    <message>
        <source>GIF Loader: Error reading extension block code</source>
        <translation>GIF Loader: Error reading extension block code</translation>
    </message>
    <message>
        <source>GIF Loader: Error reading extension block size</source>
        <translation>GIF Loader: Error reading extension block size</translation>
    </message>
    <message>
        <source>GIF Loader: Error reading extension block data</source>
        <translation>GIF Loader: Error reading extension block data</translation>
    </message>
    <message>
        <source>GIF Loader: Unknown block separator</source>
        <translation>GIF Loader: Unknown block separator</translation>
    </message>
    <message>
        <source>GIF Saver: Out of synchronization</source>
        <translation>GIF Saver: Out of synchronization</translation>
    </message>
    <message>
        <source>GIF Saver: Write failed</source>
        <translation>GIF Saver: Write failed</translation>
    </message>
    <message>
        <source>GIF Saver: No image to save</source>
        <translation>GIF Saver: No image to save</translation>
    </message>
    <message>
        <source>GIF Engine: Unhandled exception</source>
        <translation>GIF Engine: Unhandled exception</translation>
    </message>
    <message>
        <source>LZW: Initialization failed</source>
        <translation>LZW: Initialization failed</translation>
    </message>
    <message>
        <source>LZW: Internal error</source>
        <translation>LZW: Internal error</translation>
    </message>
    <message>
        <source>LZW: Engine not ready</source>
        <translation>LZW: Engine not ready</translation>
    </message>
    <message>
        <source>LZW: Read error</source>
        <translation>LZW: Read error</translation>
    </message>
    <message>
        <source>LZW: Table full</source>
        <translation>LZW: Table full</translation>
    </message>
    <message>
        <source>LZW: Initial width too big</source>
        <translation>LZW: Initial width too big</translation>
    </message>
    <message>
        <source>PNG: No file ready for reading</source>
        <translation>PNG: No file ready for reading</translation>
    </message>
    <message>
        <source>Thresholding</source>
        <translation>Thresholding</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Random</translation>
    </message>
    <message>
        <source>Matrix for Displaying</source>
        <translation>Matrix for Displaying</translation>
    </message>
    <message>
        <source>Matrix for Printing</source>
        <translation>Matrix for Printing</translation>
    </message>
    <message>
        <source>Floyd - Steinberg</source>
        <translation>Floyd - Steinberg</translation>
    </message>
    <message>
        <source>Atkinson</source>
        <translation>Atkinson</translation>
    </message>
    <message>
        <source>Jarvis - Judice - Ninke</source>
        <translation>Jarvis - Judice - Ninke</translation>
    </message>
    <message>
        <source>Stucki</source>
        <translation>Stucki</translation>
    </message>
    <message>
        <source>Burkes</source>
        <translation>Burkes</translation>
    </message>
    <message>
        <source>Sierra</source>
        <translation>Sierra</translation>
    </message>
    <message>
        <source>Two-row Sierra</source>
        <translation>Two-row Sierra</translation>
    </message>
    <message>
        <source>Sierra Lite</source>
        <translation>Sierra Lite</translation>
    </message>
    <message>
        <source>Bayer 2 x 2</source>
        <translation>Bayer 2 x 2</translation>
    </message>
    <message>
        <source>Bayer 4 x 4</source>
        <translation>Bayer 4 x 4</translation>
    </message>
    <message>
        <source>Bayer 8 x 8</source>
        <translation>Bayer 8 x 8</translation>
    </message>
    <message>
        <source>Bayer 16 x 16</source>
        <translation>Bayer 16 x 16</translation>
    </message>
    <message>
        <source>Halftone screen</source>
        <translation>Halftone screen</translation>
    </message>
    <message>
        <source>Blue noise</source>
        <translation>Blue noise</translation>
    </message>
    <message>
        <source>Interní funkce nalezla či způsobila tuto chybu:
</source>
        <translation>An internal function found or caused this error:
</translation>
    </message>
    <message>
        <source>WBMP obrázek dosud nebyl vytvořen</source>
        <translation>No WBMP picture has been created yet</translation>
    </message>
    <message>
        <source>Nepodařilo se zkonvertovat do 8bpp</source>
        <translation>Could not convert to 8bpp</translation>
    </message>
    <message>
        <source>Soubor &apos;%s&apos; neexistuje!</source>
        <translation>File &apos;%s&apos; does not exist!</translation>
    </message>
    <message>
        <source>Neznámý formát</source>
        <translation>Unknown format</translation>
    </message>
    <message>
        <source>Neznámý formát souboru:</source>
        <translation>Unknown file format:</translation>
    </message>
    <message>
        <source>Soubor již existuje</source>
        <translation>The file already exists</translation>
    </message>
    <message>
        <source>Ukládání %s není podporováno</source>
        <translation>Saving %s is not supported</translation>
    </message>
    <message>
        <source>Nelze ukládat v daném formátu</source>
        <translation>Cannot save in this format</translation>
    </message>
    <message>
        <source>Nelze otevřít soubor pro čtení</source>
        <translation>Cannot open the file for reading</translation>
    </message>
    <message>
        <source>Neplatná oblast náhledu</source>
        <translation>Invalid preview area</translation>
    </message>
    <message>
        <source>Chyba #%d při ukládání GIF souboru: %s</source>
        <translation>Error #%d saving the GIF file: %s</translation>
    </message>
    <message>
        <source>Chyba #%d při čtení GIF souboru: %s</source>
        <translation>Error #%d reading the GIF file: %s</translation>
    </message>
    <message>
        <source>Nelze vytvořit složku</source>
        <translation>Cannot create the folder</translation>
    </message>
    <message>
        <source>Složka již existuje</source>
        <translation>The folder already exists</translation>
    </message>
    <message>
        <source>Nepodařilo se rozdělit obrázek</source>
        <translation>Could not split the picture</translation>
    </message>
    <message>
        <source>Neplatná velikost dílku</source>
        <translation>Invalid tile size</translation>
    </message>
    <message>
        <source>Nepodařilo se načíst obrázek pro číslici %d</source>
        <translation>Could not load the picture for digit %d</translation>
    </message>
    <message>
        <source>Nelze uložit výsledný WBMP obrázek</source>
        <translation>Cannot save the resulting WBMP picture</translation>
    </message>
    <message>
        <source>Neplatná hodnota počítadla</source>
        <translation>Invalid counter value</translation>
    </message>
    <message>
        <source>Neplatná cílová velikost obrázku</source>
        <translation>Invalid target picture size</translation>
    </message>
    <message>
        <source>Obrázek %s × %s pixelů překračuje limit počtu pixelů MaxPixels (%s)</source>
        <translation>The picture of %s × %s pixels exceeds the MaxPixels pixel limit (%s)</translation>
    </message>
    <message>
        <source>Obrázek %s × %s pixelů překračuje limit šířky obrázku (%s)</source>
        <translation>The picture of %s × %s pixels exceeds the picture width limit (%s)</translation>
    </message>
    <message>
        <source>Nelze vytvořit lokální soubor &apos;%s&apos;</source>
        <translation>Cannot create the local file &apos;%s&apos;</translation>
    </message>
    <message>
        <source>Chyba během načítání obrázku z %s do kodeku</source>
        <translation>Error loading the picture from %s into the codec</translation>
    </message>
    <message>
        <source>Server odmítl HTTP spojení pro obrázek &apos;%s&apos;</source>
        <translation>The server refused the HTTP connection for the picture &apos;%s&apos;</translation>
    </message>
    <message>
        <source>Nepodařilo se připojit k URL &apos;%s&apos;
Ujistěte se, zda máte správné URL</source>
        <translation>Could not connect to the URL &apos;%s&apos;
Please check that the URL is correct</translation>
    </message>
    <message>
        <source>Chyba během stahování z %s</source>
        <translation>Error downloading from %s</translation>
    </message>
    <message>
        <source>Chyba</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Nepodporovaný formát URL &apos;%s&apos;</source>
        <translation>Unsupported URL format &apos;%s&apos;</translation>
    </message>
    <message>
        <source>Zadejte URL obrázku</source>
        <translation>Enter the URL of the picture</translation>
    </message>
    <message>
        <source>Nebylo zadáno URL!</source>
        <translation>No URL was entered!</translation>
    </message>
    <message>
        <source>Složka nenalezena: &apos;%s&apos;</source>
        <translation>Folder not found: &apos;%s&apos;</translation>
    </message>
    <message>
        <source>%s File</source>
        <translation>%s File</translation>
    </message>
    <message>
        <source>WAP Glyphon</source>
        <translation>WAP Glyphon</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Untitled</translation>
    </message>
    <message>
        <source>Obrázek DIB je příliš velký</source>
        <translation>The DIB picture is too large</translation>
    </message>
    <message>
        <source>Nelze nahrát DIB</source>
        <translation>Cannot load the DIB</translation>
    </message>
    <message>
        <source>Nelze uložit DIB</source>
        <translation>Cannot save the DIB</translation>
    </message>
    <message>
        <source>Soubor neexistuje</source>
        <translation>The file does not exist</translation>
    </message>
    <message>
        <source>(telefon %d nelze přečíst, seznam končí)</source>
        <translation>(phone %d cannot be read, the list ends here)</translation>
    </message>
    <message>
        <source>Soubor nelze nahrát</source>
        <translation>The file cannot be loaded</translation>
    </message>
    <message>
        <source>Obrázek nelze zkonvertovat</source>
        <translation>The picture cannot be converted</translation>
    </message>
    <message>
        <source>Chyba při ukládání obrázku</source>
        <translation>Error saving the picture</translation>
    </message>
    <message>
        <source>Tento obrázek má nepodporovanou barevnou hloubku.<byte value="xd"/>
Program podporuje pouze 4 nebo 8bpp.</source>
        <translation>This picture has an unsupported colour depth.</translation>
    </message>
    <message>
        <source>Dokument nelze otevřít.</source>
        <translation>The document cannot be opened.</translation>
    </message>
    <message>
        <source>Dokument nelze uložit.</source>
        <translation>The document cannot be saved.</translation>
    </message>
    <message>
        <source>Nepodařilo se otevřít soubor: %s</source>
        <translation>Could not open the file: %s</translation>
    </message>
    <message>
        <source>Nepodařilo se přečíst hlavičku souboru &apos;%s&apos;.</source>
        <translation>Could not read the header of the file &apos;%s&apos;.</translation>
    </message>
    <message>
        <source>Informace:

Formát: %s
Šířka: %d
Výška: %d
</source>
        <translation>Information:

Format: %s
Width: %d
Height: %d
</translation>
    </message>
    <message>
        <source>Nelze otevřít více obrázků zároveň.
První použitelný bude otevřen</source>
        <translation>Cannot open several pictures at once.
The first usable one will be opened</translation>
    </message>
    <message>
        <source>Nelze otevřít žádný známý soubor</source>
        <translation>Cannot open any known file</translation>
    </message>
    <message>
        <source>Chyba při změně velikosti</source>
        <translation>Error while resizing</translation>
    </message>
    <message>
        <source>Nebylo zadáno žádné číslo</source>
        <translation>No number was entered</translation>
    </message>
    <message>
        <source>Chyba při vytváření počítadla:
%s</source>
        <translation>Error creating the counter:
%s</translation>
    </message>
    <message>
        <source>Chyba při čtení počítadla:
%s</source>
        <translation>Error reading the counter:
%s</translation>
    </message>
    <message>
        <source>SavePNG: %s (errcode %d)</source>
        <translation>SavePNG: %s (errcode %d)</translation>
    </message>
    <message>
        <source>Chyba při ukládání</source>
        <translation>Error while saving</translation>
    </message>
    <message>
        <source>Informace o obrázku</source>
        <translation>Picture information</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Obrázek o rozměrech %d x %d nelze vytvořit.</source>
        <translation>A picture of %d x %d cannot be created.</translation>
    </message>
    <message>
        <source>Výstupní složka neexistuje. Mám ji vytvořit?</source>
        <translation>The output folder does not exist. Shall I create it?</translation>
    </message>
    <message>
        <source>Vytvořit složku</source>
        <translation>Create folder</translation>
    </message>
    <message>
        <source>Nelze připravit obrázek: %s</source>
        <translation>Cannot prepare the picture: %s</translation>
    </message>
    <message>
        <source>Chyba při rozdělování obrázku: %s</source>
        <translation>Error splitting the picture: %s</translation>
    </message>
    <message>
        <source>Obrázek rozdělen.
Výsledky uloženy v &apos;%sX.Y.%s&apos;
</source>
        <translation>Picture split.
Results saved in &apos;%sX.Y.%s&apos;
</translation>
    </message>
    <message>
        <source>WML stránky vytvořeny</source>
        <translation>WML pages created</translation>
    </message>
    <message>
        <source>WML stránky vytvořeny a uloženy v %s</source>
        <translation>WML pages created and saved in %s</translation>
    </message>
    <message>
        <source>Operace kompletní</source>
        <translation>Operation complete</translation>
    </message>
    <message>
        <source>složka neexistuje</source>
        <translation>the folder does not exist</translation>
    </message>
    <message>
        <source>nejde o složku</source>
        <translation>it is not a folder</translation>
    </message>
    <message>
        <source>do složky nelze zapisovat</source>
        <translation>the folder cannot be written to</translation>
    </message>
    <message>
        <source>Storno</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Připraven</source>
        <translation>Ready</translation>
    </message>
    <message>
        <source>CAP</source>
        <translation>CAP</translation>
    </message>
    <message>
        <source>NUM</source>
        <translation>NUM</translation>
    </message>
    <message>
        <source>SCRL</source>
        <translation>SCRL</translation>
    </message>
    <message>
        <source>&amp;Soubor</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Upravit</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>&amp;Kreslení</source>
        <translation>&amp;Drawing</translation>
    </message>
    <message>
        <source>&amp;Zobrazit</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>Z&amp;většení</source>
        <translation>&amp;Zoom</translation>
    </message>
    <message>
        <source>&amp;Nastavení</source>
        <translation>&amp;Settings</translation>
    </message>
    <message>
        <source>&amp;Nápověda</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Přizpůsobit</source>
        <translation>&amp;Fit</translation>
    </message>
    <message>
        <source>Změ&amp;nit velikost</source>
        <translation>Re&amp;size</translation>
    </message>
    <message>
        <source>Šíř&amp;ka čáry</source>
        <translation>Line &amp;width</translation>
    </message>
    <message>
        <source>Tva&amp;ry</source>
        <translation>S&amp;hapes</translation>
    </message>
    <message>
        <source>Poslední soubor</source>
        <translation>Recent File</translation>
    </message>
    <message>
        <source>&amp;Nový	Ctrl+N</source>
        <translation>&amp;New	Ctrl+N</translation>
    </message>
    <message>
        <source>Vytvořit nový obrázek
Nový</source>
        <translation>Create a new picture
New</translation>
    </message>
    <message>
        <source>Otevřít</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Otevřít existující dokument
Otevřít</source>
        <translation>Open an existing document
Open</translation>
    </message>
    <message>
        <source>&amp;Otevřít...	Ctrl+O</source>
        <translation>&amp;Open...	Ctrl+O</translation>
    </message>
    <message>
        <source>Otevřít obrázek
Otevřít</source>
        <translation>Open a picture
Open</translation>
    </message>
    <message>
        <source>&amp;Uložit	Ctrl+S</source>
        <translation>&amp;Save	Ctrl+S</translation>
    </message>
    <message>
        <source>Uložit aktivní dokument
Uložit</source>
        <translation>Save the active document
Save</translation>
    </message>
    <message>
        <source>Uložit j&amp;ako...</source>
        <translation>Save &amp;As...</translation>
    </message>
    <message>
        <source>Uložit aktivní dokument pod novým jménem
Uložit jako</source>
        <translation>Save the active document under a new name
Save As</translation>
    </message>
    <message>
        <source>S&amp;táhnout z Internetu...	Ctrl+T</source>
        <translation>Do&amp;wnload from the Internet...	Ctrl+T</translation>
    </message>
    <message>
        <source>Stáhnout obrázek z Internetu
Stáhnout z internetu</source>
        <translation>Download a picture from the Internet
Download from the Internet</translation>
    </message>
    <message>
        <source>&amp;Rozdělit obrázek...</source>
        <translation>Sp&amp;lit Picture...</translation>
    </message>
    <message>
        <source>Rozdělit obrázek na menší části
Rozdělit</source>
        <translation>Split the picture into smaller parts
Split</translation>
    </message>
    <message>
        <source>&amp;Dávkové zpracování...	Ctrl+D</source>
        <translation>&amp;Batch Conversion...	Ctrl+D</translation>
    </message>
    <message>
        <source>Dávkové zpracování více souborů
Dávková konverze</source>
        <translation>Convert several files in one run
Batch Conversion</translation>
    </message>
    <message>
        <source>&amp;Tisk...	Ctrl+P</source>
        <translation>&amp;Print...	Ctrl+P</translation>
    </message>
    <message>
        <source>Vytisknout aktivní dokument
Tisk</source>
        <translation>Print the active document
Print</translation>
    </message>
    <message>
        <source>Tisk</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Ná&amp;hled tisku</source>
        <translation>Print Pre&amp;view</translation>
    </message>
    <message>
        <source>Zobrazit celé stránky
Náhled tisku</source>
        <translation>Show whole pages
Print Preview</translation>
    </message>
    <message>
        <source>Nastavení tis&amp;kárny...</source>
        <translation>P&amp;rint Setup...</translation>
    </message>
    <message>
        <source>Změnit tiskárnu a možnosti tisku
Nastavení tisku</source>
        <translation>Change the printer and printing options
Print Setup</translation>
    </message>
    <message>
        <source>Otevřít tento dokument</source>
        <translation>Open this document</translation>
    </message>
    <message>
        <source>&amp;Konec</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>Ukončit aplikaci; nabídne uložení dokumentů
Konec</source>
        <translation>Quit the application; offers to save documents
Exit</translation>
    </message>
    <message>
        <source>&amp;Zpět	Ctrl+Z</source>
        <translation>&amp;Undo	Ctrl+Z</translation>
    </message>
    <message>
        <source>Vrátit zpět poslední akci
Zpět</source>
        <translation>Undo the last action
Undo</translation>
    </message>
    <message>
        <source>Vyj&amp;mout	Ctrl+X</source>
        <translation>Cu&amp;t	Ctrl+X</translation>
    </message>
    <message>
        <source>Vyjmout obrázek a vložit jej do schránky
Vyjmout</source>
        <translation>Cut the picture and put it on the clipboard
Cut</translation>
    </message>
    <message>
        <source>&amp;Kopírovat	Ctrl+C</source>
        <translation>&amp;Copy	Ctrl+C</translation>
    </message>
    <message>
        <source>Kopírovat obrázek do schránky
Kopírovat</source>
        <translation>Copy the picture to the clipboard
Copy</translation>
    </message>
    <message>
        <source>V&amp;ložit	Ctrl+V</source>
        <translation>&amp;Paste	Ctrl+V</translation>
    </message>
    <message>
        <source>Vložit obsah schránky
Vložit</source>
        <translation>Insert the clipboard contents
Paste</translation>
    </message>
    <message>
        <source>&amp;Editace</source>
        <translation>&amp;Editing</translation>
    </message>
    <message>
        <source>Zapnout editaci
Editace</source>
        <translation>Turn editing on
Editing</translation>
    </message>
    <message>
        <source>&amp;Mřížka</source>
        <translation>&amp;Grid</translation>
    </message>
    <message>
        <source>Zobrazit mřížku
Zobrazit mřížku</source>
        <translation>Show the grid
Show Grid</translation>
    </message>
    <message>
        <source>&amp;Kreslící nástroje</source>
        <translation>Drawing &amp;Tools</translation>
    </message>
    <message>
        <source>Zobrazit nástrojovou lištu pro kreslení
Nástrojová lišta pro kreslení</source>
        <translation>Show the drawing toolbar
Drawing Toolbar</translation>
    </message>
    <message>
        <source>&amp;Smazat plochu</source>
        <translation>C&amp;lear Canvas</translation>
    </message>
    <message>
        <source>Smazat kreslicí polochu
Smazat kreslicí plochu</source>
        <translation>Clear the drawing canvas
Clear Canvas</translation>
    </message>
    <message>
        <source>&amp;Inverze barev</source>
        <translation>&amp;Invert Colours</translation>
    </message>
    <message>
        <source>Zaměnit černou barvu za bílou a naopak
Invertovat barvy</source>
        <translation>Swap black for white and white for black
Invert Colours</translation>
    </message>
    <message>
        <source>&amp;Tužka</source>
        <translation>&amp;Pencil</translation>
    </message>
    <message>
        <source>Aktivovat kreslení tužkou
Kreslení tužkou</source>
        <translation>Draw with the pencil
Pencil</translation>
    </message>
    <message>
        <source>&amp;Guma</source>
        <translation>&amp;Eraser</translation>
    </message>
    <message>
        <source>Aktivovat mazání gumou
Mazání</source>
        <translation>Erase with the eraser
Eraser</translation>
    </message>
    <message>
        <source>&amp;Tenká</source>
        <translation>&amp;Thin</translation>
    </message>
    <message>
        <source>Zvolit tenkou čáru
Tenká čára</source>
        <translation>Choose a thin line
Thin Line</translation>
    </message>
    <message>
        <source>&amp;Střední</source>
        <translation>&amp;Medium</translation>
    </message>
    <message>
        <source>Zvolit středně tlustou čáru
Středně tlustá čára</source>
        <translation>Choose a medium line
Medium Line</translation>
    </message>
    <message>
        <source>T&amp;lustá</source>
        <translation>T&amp;hick</translation>
    </message>
    <message>
        <source>Zvolit tlustou čáru
Tlustá čára</source>
        <translation>Choose a thick line
Thick Line</translation>
    </message>
    <message>
        <source>Čár&amp;a</source>
        <translation>&amp;Line</translation>
    </message>
    <message>
        <source>Kreslit čáru
Čára</source>
        <translation>Draw a line
Line</translation>
    </message>
    <message>
        <source>&amp;Obdélník</source>
        <translation>&amp;Rectangle</translation>
    </message>
    <message>
        <source>Kreslit pravoúhlé tvary
Obdélník</source>
        <translation>Draw rectangular shapes
Rectangle</translation>
    </message>
    <message>
        <source>&amp;Elipsa</source>
        <translation>&amp;Ellipse</translation>
    </message>
    <message>
        <source>Kreslit elipsu nebo kružnici
Elipsa</source>
        <translation>Draw an ellipse or a circle
Ellipse</translation>
    </message>
    <message>
        <source>&amp;Vyplnit barvou</source>
        <translation>&amp;Fill with Colour</translation>
    </message>
    <message>
        <source>Vyplnit uzavřenou oblast barvou
Vyplnit barvou</source>
        <translation>Fill a closed area with colour
Fill with Colour</translation>
    </message>
    <message>
        <source>Psát te&amp;xt</source>
        <translation>Write Te&amp;xt</translation>
    </message>
    <message>
        <source>Psát text
Psát text</source>
        <translation>Write text
Write Text</translation>
    </message>
    <message>
        <source>O&amp;značit oblast</source>
        <translation>&amp;Select Area</translation>
    </message>
    <message>
        <source>Označit oblast pro kopírování nebo přesouvání
Označit oblast</source>
        <translation>Select an area to copy or move
Select Area</translation>
    </message>
    <message>
        <source>&amp;Kopírovat</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>Kopírovat označenou oblast
Kopírovat</source>
        <translation>Copy the selected area
Copy</translation>
    </message>
    <message>
        <source>&amp;Přesunout</source>
        <translation>&amp;Move</translation>
    </message>
    <message>
        <source>Přesunout označenou oblast
Přesunout</source>
        <translation>Move the selected area
Move</translation>
    </message>
    <message>
        <source>&amp;Nástroje</source>
        <translation>&amp;Toolbar</translation>
    </message>
    <message>
        <source>Zobrazit nebo skrýt nástrojovou lištu
Přepnout nástrojovou lištu</source>
        <translation>Show or hide the toolbar
Toggle Toolbar</translation>
    </message>
    <message>
        <source>&amp;Stavový řádek</source>
        <translation>&amp;Status Bar</translation>
    </message>
    <message>
        <source>Zobrazit nebo skrýt stavový řádek
Přepnout stavový řádek</source>
        <translation>Show or hide the status bar
Toggle Status Bar</translation>
    </message>
    <message>
        <source>Z&amp;většit	Num +</source>
        <translation>Zoom &amp;In	Num +</translation>
    </message>
    <message>
        <source>Zvětšit obrázek
Zvětšit</source>
        <translation>Enlarge the picture
Zoom In</translation>
    </message>
    <message>
        <source>Z&amp;menšit	Num -</source>
        <translation>Zoom &amp;Out	Num -</translation>
    </message>
    <message>
        <source>Zmenšit obrázek
Zmenšit</source>
        <translation>Shrink the picture
Zoom Out</translation>
    </message>
    <message>
        <source>Na &amp;maximum	Ctrl+M</source>
        <translation>&amp;Maximum	Ctrl+M</translation>
    </message>
    <message>
        <source>Zvětšit pohled na maximum
Maximalizovat</source>
        <translation>Zoom the view to the maximum
Maximum Zoom</translation>
    </message>
    <message>
        <source>Zr&amp;ušit zvětšení</source>
        <translation>&amp;Reset Zoom</translation>
    </message>
    <message>
        <source>Zrušit zvětšení pohledu</source>
        <translation>Reset the zoom of the view</translation>
    </message>
    <message>
        <source>Do &amp;okna</source>
        <translation>To &amp;Window</translation>
    </message>
    <message>
        <source>Přizpůsobit obrázek do okna</source>
        <translation>Fit the picture to the window</translation>
    </message>
    <message>
        <source>Na &amp;telefon</source>
        <translation>To &amp;Phone</translation>
    </message>
    <message>
        <source>Přizpůsobit obrázek na telefon</source>
        <translation>Fit the picture to the phone</translation>
    </message>
    <message>
        <source>&amp;Procentuálně</source>
        <translation>By &amp;Percentage</translation>
    </message>
    <message>
        <source>Změnit velikost na zadaný poměr</source>
        <translation>Resize by a given ratio</translation>
    </message>
    <message>
        <source>Nastavit &amp;výšku</source>
        <translation>Set &amp;Height</translation>
    </message>
    <message>
        <source>Změnit velikost na zadanou výšku, zachovává poměr stran</source>
        <translation>Resize to a given height, keeping the aspect ratio</translation>
    </message>
    <message>
        <source>Nastavit &amp;šířku</source>
        <translation>Set &amp;Width</translation>
    </message>
    <message>
        <source>Změnit velikost na zadanou šířku, zachovává poměr stran</source>
        <translation>Resize to a given width, keeping the aspect ratio</translation>
    </message>
    <message>
        <source>&amp;Informace o obrázku	Ctrl+I</source>
        <translation>Picture &amp;Information	Ctrl+I</translation>
    </message>
    <message>
        <source>Zobrazit informace o obrázku
Informace o obrázku</source>
        <translation>Show information about the picture
Picture Information</translation>
    </message>
    <message>
        <source>Převést do &amp;černobíla</source>
        <translation>Convert to &amp;Black and White</translation>
    </message>
    <message>
        <source>Převést do černobíla
Do černobíla</source>
        <translation>Convert to black and white
Black and White</translation>
    </message>
    <message>
        <source>&amp;Podrobné nastavení</source>
        <translation>&amp;Detailed Settings</translation>
    </message>
    <message>
        <source>Nastavení parametrů konverze s náhledem</source>
        <translation>Set the conversion parameters with a preview</translation>
    </message>
    <message>
        <source>&amp;Preference	Ctrl+U</source>
        <translation>&amp;Preferences	Ctrl+U</translation>
    </message>
    <message>
        <source>Základní uživatelské nastavení
Nastavení</source>
        <translation>Basic user settings
Settings</translation>
    </message>
    <message>
        <source>&amp;Obsah</source>
        <translation>&amp;Contents</translation>
    </message>
    <message>
        <source>Zobrazit nápovědu</source>
        <translation>Show the help</translation>
    </message>
    <message>
        <source>&amp;Webové stránky WAP Glyphon</source>
        <translation>WAP Glyphon &amp;Web Site</translation>
    </message>
    <message>
        <source>Navštívit webové stránky WAP Glyphon
Webové stránky</source>
        <translation>Visit the WAP Glyphon web site
Web Site</translation>
    </message>
    <message>
        <source>&amp;Stáhnout novou verzi</source>
        <translation>&amp;Download a New Version</translation>
    </message>
    <message>
        <source>Stáhnout novou verzi WAPGlyphon Desktop</source>
        <translation>Download a new version of WAPGlyphon Desktop</translation>
    </message>
    <message>
        <source>O &amp;aplikaci WAP Glyphon</source>
        <translation>&amp;About WAP Glyphon</translation>
    </message>
    <message>
        <source>Zobrazit informace o programu, číslo verze a copyright
O aplikaci</source>
        <translation>Show program information, version number and copyright
About</translation>
    </message>
    <message>
        <source>WAP Glyphon
WAP Glyphon</source>
        <translation>WAP Glyphon
WAP Glyphon</translation>
    </message>
    <message>
        <source>Stáhnout</source>
        <translation>Download</translation>
    </message>
    <message>
        <source>Stáhnout
Stáhnout</source>
        <translation>Download
Download</translation>
    </message>
    <message>
        <source>Nástroje</source>
        <translation>Toolbar</translation>
    </message>
    <message>
        <source>Odkazy</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Kreslení</source>
        <translation>Drawing</translation>
    </message>
    <message>
        <source>Otevřít soubor</source>
        <translation>Open File</translation>
    </message>
    <message>
        <source>Uložit jako</source>
        <translation>Save As</translation>
    </message>
    <message>
        <source>Všechny podporované formáty</source>
        <translation>All Supported Formats</translation>
    </message>
    <message>
        <source>Zadejte poměr zvětšení:</source>
        <translation>Enter the zoom ratio:</translation>
    </message>
    <message>
        <source>Zadejte novou výšku (v pixelech):</source>
        <translation>Enter the new height (in pixels):</translation>
    </message>
    <message>
        <source>Zadejte novou šířku (v pixelech):</source>
        <translation>Enter the new width (in pixels):</translation>
    </message>
    <message>
        <source>Uložit změny do %s?</source>
        <translation>Save the changes to %s?</translation>
    </message>
    <message>
        <source>%s již existuje.
Chcete jej nahradit?</source>
        <translation>%s already exists.
Do you want to replace it?</translation>
    </message>
    <message>
        <source>Složku &apos;%s&apos; nelze použít: %s</source>
        <translation>The folder &apos;%s&apos; cannot be used: %s</translation>
    </message>
    <message>
        <source>&amp;Ano</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>&amp;Ne</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Složky</source>
        <translation>Folders</translation>
    </message>
    <message>
        <source>Složka pro ukládání</source>
        <translation>Folder for saving</translation>
    </message>
    <message>
        <source>Pracovní složka</source>
        <translation>Working folder</translation>
    </message>
    <message>
        <source>&amp;Procházet...</source>
        <translation>&amp;Browse...</translation>
    </message>
    <message>
        <source>WAP Glyphon verze 3.5</source>
        <translation>WAP Glyphon version 3.5</translation>
    </message>
    <message>
        <source>Copyright © Vendra</source>
        <translation>Copyright © Vendra</translation>
    </message>
    <message>
        <source>Web: www.vendra.cz
E-mail: info@vendra.cz</source>
        <translation>Web: www.vendra.cz
E-mail: info@vendra.cz</translation>
    </message>
    <message>
        <source>Obrázek je nutné před editací zkonvertovat!</source>
        <translation>The picture must be converted before editing!</translation>
    </message>
    <message>
        <source>Nebylo možné spustit editor!</source>
        <translation>The editor could not be started!</translation>
    </message>
    <message>
        <source>Šířka:</source>
        <translation>Width:</translation>
    </message>
    <message>
        <source>Výška:</source>
        <translation>Height:</translation>
    </message>
    <message>
        <source>Barevná hloubka (bity na pixel):</source>
        <translation>Colour depth (bits per pixel):</translation>
    </message>
    <message>
        <source>Velikost (bajty):</source>
        <translation>Size (bytes):</translation>
    </message>
    <message>
        <source>Typ:</source>
        <translation>Type:</translation>
    </message>
    <message>
        <source>Nový obrázek</source>
        <translation>New Picture</translation>
    </message>
    <message>
        <source>Podle telefonu</source>
        <translation>By phone</translation>
    </message>
    <message>
        <source>V pixelech</source>
        <translation>In pixels</translation>
    </message>
    <message>
        <source>Odebrat telefon</source>
        <translation>Remove Phone</translation>
    </message>
    <message>
        <source>Přidat telefon</source>
        <translation>Add Phone</translation>
    </message>
    <message>
        <source>Chcete odebrat vybraný telefon?</source>
        <translation>Do you want to remove the selected phone?</translation>
    </message>
    <message>
        <source>Vyberte telefon ze seznamu.</source>
        <translation>Choose a phone from the list.</translation>
    </message>
    <message>
        <source>Rozměry vybraného telefonu nelze přečíst. Vyberte jiný telefon.</source>
        <translation>The dimensions of the selected phone cannot be read. Choose another phone.</translation>
    </message>
    <message>
        <source>Nový telefon</source>
        <translation>New Phone</translation>
    </message>
    <message>
        <source>Jméno:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Šířka displeje:</source>
        <translation>Display width:</translation>
    </message>
    <message>
        <source>Výška displeje:</source>
        <translation>Display height:</translation>
    </message>
    <message>
        <source>Přizpůsobit na telefon</source>
        <translation>Fit to Phone</translation>
    </message>
    <message>
        <source>Zvolte telefon:</source>
        <translation>Choose a phone:</translation>
    </message>
    <message>
        <source>Nebo zvolte displej:</source>
        <translation>Or choose a display:</translation>
    </message>
    <message>
        <source>Pole v jazyce C</source>
        <translation>C array</translation>
    </message>
    <message>
        <source>Uspořádání bajtů</source>
        <translation>Byte order</translation>
    </message>
    <message>
        <source>Po řádcích, levý pixel v nejvyšším bitu</source>
        <translation>By rows, left pixel in the highest bit</translation>
    </message>
    <message>
        <source>Stránky po 8 řádcích, horní pixel v nejnižším bitu (SSD1306)</source>
        <translation>Pages of 8 rows, top pixel in the lowest bit (SSD1306)</translation>
    </message>
    <message>
        <source>Po řádcích, levý pixel v nejnižším bitu (XBM)</source>
        <translation>By rows, left pixel in the lowest bit (XBM)</translation>
    </message>
    <message>
        <source>Nastavený bit je černý pixel</source>
        <translation>A set bit is a black pixel</translation>
    </message>
    <message>
        <source>Zadejte číslo:</source>
        <translation>Enter a number:</translation>
    </message>
    <message>
        <source>Přizpůsobit na rozměry</source>
        <translation>Fit to Size</translation>
    </message>
    <message>
        <source>Nová šířka:</source>
        <translation>New width:</translation>
    </message>
    <message>
        <source>Nová výška:</source>
        <translation>New height:</translation>
    </message>
    <message>
        <source>Nezachovávat poměr stran</source>
        <translation>Do not keep the aspect ratio</translation>
    </message>
    <message>
        <source>Zadejte celé číslo.</source>
        <translation>Enter a whole number.</translation>
    </message>
    <message>
        <source>Zadejte celé číslo od %d do %d.</source>
        <translation>Enter a whole number from %d to %d.</translation>
    </message>
    <message>
        <source>Rozdělit obrázek</source>
        <translation>Split Picture</translation>
    </message>
    <message>
        <source>Obrázek</source>
        <translation>Picture</translation>
    </message>
    <message>
        <source>WML stránka</source>
        <translation>WML Page</translation>
    </message>
    <message>
        <source>Zdrojový obrázek:</source>
        <translation>Source picture:</translation>
    </message>
    <message>
        <source>Rozměry obrázku:</source>
        <translation>Picture dimensions:</translation>
    </message>
    <message>
        <source>Výstupní složka:</source>
        <translation>Output folder:</translation>
    </message>
    <message>
        <source>Velikost okénka</source>
        <translation>Tile size</translation>
    </message>
    <message>
        <source>Vlastní velikost</source>
        <translation>Custom size</translation>
    </message>
    <message>
        <source>Podle displeje</source>
        <translation>By display</translation>
    </message>
    <message>
        <source> x</source>
        <translation> x</translation>
    </message>
    <message>
        <source>Generovat WML stránky</source>
        <translation>Create WML pages</translation>
    </message>
    <message>
        <source>Jiné umístění pro WML stránky</source>
        <translation>Another location for the WML pages</translation>
    </message>
    <message>
        <source>Prefix pro zdroj obrázku</source>
        <translation>Prefix for the picture source</translation>
    </message>
    <message>
        <source>%d × %d, %s, %d %%</source>
        <translation>%d × %d, %s, %d %%</translation>
    </message>
    <message>
        <source>%d bit</source>
        <translation>%d bit</translation>
    </message>
    <message>
        <source>%d bity</source>
        <translation>%d bits</translation>
    </message>
    <message>
        <source>%d bitů</source>
        <translation>%d bits</translation>
    </message>
    <message>
        <source>Použití: glyphon [--lang cs|en] [OBRÁZEK]

WAP Glyphon převádí obrázky (BMP, WBMP, GIF, JPEG, PNG) na jednobitové obrázky
WBMP pro telefony WAP, rozřeže velký obrázek na dílky se stránkami WML, převede
mnoho souborů najednou a dovolí upravit výsledek bod po bodu. OBRÁZEK je soubor
nebo adresa URL, kterou program otevře hned po spuštění.

Volby:
  --lang cs|en   jazyk programu (jinak podle proměnných LANGUAGE, LC_ALL,
                 LC_MESSAGES a LANG: čeština pro české prostředí, jinak
                 angličtina)
  --help         vypíše tuto nápovědu a skončí
  --version      vypíše verzi programu a skončí

Převod bez okna nabízí glyphon-cli.
</source>
        <translation>Usage: glyphon [--lang cs|en] [PICTURE]

WAP Glyphon converts pictures (BMP, WBMP, GIF, JPEG, PNG) into one-bit WBMP
pictures for WAP phones, cuts a large picture into tiles with WML pages, converts
many files in one run and lets you edit the result pixel by pixel. PICTURE is a
file or a URL that the program opens as soon as it starts.

Options:
  --lang cs|en   the program&apos;s language (otherwise from the LANGUAGE, LC_ALL,
                 LC_MESSAGES and LANG variables: Czech for a Czech locale,
                 English otherwise)
  --help         print this help and exit
  --version      print the program&apos;s version and exit

glyphon-cli converts without a window.
</translation>
    </message>
    <message>
        <source>glyphon: %s
</source>
        <translation>glyphon: %s
</translation>
    </message>
    <message>
        <source>0 souborů</source>
        <translation>0 files</translation>
    </message>
    <message>
        <source>Souborů připraveno: %d%s</source>
        <translation>Files ready: %d%s</translation>
    </message>
    <message>
        <source>Žádný soubor</source>
        <translation>No file</translation>
    </message>
    <message>
        <source>Počítám obrázky</source>
        <translation>Counting pictures</translation>
    </message>
    <message>
        <source>Začínám...</source>
        <translation>Starting...</translation>
    </message>
    <message>
        <source>Vytvářím výstupní soubor</source>
        <translation>Creating the output file</translation>
    </message>
    <message>
        <source>Nahrávám obrázek</source>
        <translation>Loading the picture</translation>
    </message>
    <message>
        <source>Konvertuji do černobíla...</source>
        <translation>Converting to black and white...</translation>
    </message>
    <message>
        <source>Měním velikost</source>
        <translation>Resizing</translation>
    </message>
    <message>
        <source>Ukládám zkonvertovaný obrázek</source>
        <translation>Saving the converted picture</translation>
    </message>
    <message>
        <source>Vytvářím WML stránku</source>
        <translation>Creating the WML page</translation>
    </message>
    <message>
        <source>Ukončeno</source>
        <translation>Finished</translation>
    </message>
    <message>
        <source>Kritická chyba: Neznámý formát</source>
        <translation>Critical error: Unknown format</translation>
    </message>
    <message>
        <source>Nepodařilo se nahrát soubor %s: %s</source>
        <translation>Could not load the file %s: %s</translation>
    </message>
    <message>
        <source>Nepodporovaná barevná hloubka v souboru %s.
Program podporuje jen 4 a 8 bpp.
</source>
        <translation>Unsupported colour depth in the file %s.
The program supports 4 and 8 bpp only.
</translation>
    </message>
    <message>
        <source>Nepodporovaná barevná hloubka (%d) v souboru &apos;%s&apos;
</source>
        <translation>Unsupported colour depth (%d) in the file &apos;%s&apos;
</translation>
    </message>
    <message>
        <source>Konverze souboru &apos;%s&apos; se nezdařila
</source>
        <translation>Converting the file &apos;%s&apos; failed
</translation>
    </message>
    <message>
        <source>Změna velikosti souboru &apos;%s&apos; se nezdařila
</source>
        <translation>Resizing the file &apos;%s&apos; failed
</translation>
    </message>
    <message>
        <source>Nepodařilo se uložit obrázek &apos;%s&apos; jako &apos;%s&apos;
</source>
        <translation>Could not save the picture &apos;%s&apos; as &apos;%s&apos;
</translation>
    </message>
    <message>
        <source>Nepodařilo se vytvořit WML soubor &apos;%s&apos;
</source>
        <translation>Could not create the WML file &apos;%s&apos;
</translation>
    </message>
    <message>
        <source>Dávková konverze kompletní</source>
        <translation>Batch conversion complete</translation>
    </message>
    <message>
        <source>Všech %d obrázků bylo zkonvertováno úspěšně</source>
        <translation>All pictures were converted successfully (%d)</translation>
    </message>
    <message>
        <source>%d Souborů zkonvertováno úspěšně (z %d celkem).

Nastalo %d chyb:
%s</source>
        <translation>Files converted successfully: %d (of %d in all).

Errors: %d
%s</translation>
    </message>
    <message>
        <source>Žádné soubory nebyly vybrány pro konverzi.
Konverze zrušena.</source>
        <translation>No files were chosen for conversion.
Conversion cancelled.</translation>
    </message>
    <message>
        <source>Soubory ke zkonvertování:

%s
Zastavit při chybě: %s
</source>
        <translation>Files to convert:

%s
Stop on error: %s
</translation>
    </message>
    <message>
        <source>Připraven na konverzi</source>
        <translation>Ready to convert</translation>
    </message>
    <message>
        <source>Ano</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Ne</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Zastavit dávkovou konverzi?</source>
        <translation>Stop the batch conversion?</translation>
    </message>
    <message>
        <source>Složka &apos;%s&apos; neexistuje. Mám ji vytvořit?</source>
        <translation>The folder &apos;%s&apos; does not exist. Shall I create it?</translation>
    </message>
    <message>
        <source>Složku &apos;%s&apos; nelze vytvořit.</source>
        <translation>The folder &apos;%s&apos; cannot be created.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Zrušit</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Úroveň thresholdingu:</source>
        <translation>Thresholding level:</translation>
    </message>
    <message>
        <source>Zadejte celé číslo mezi %1 a %2.</source>
        <translation>Enter a whole number between %1 and %2.</translation>
    </message>
    <message>
        <source>Typ ditheringu</source>
        <translation>Dithering type</translation>
    </message>
    <message>
        <source>Matrix for displaying</source>
        <translation>Matrix for displaying</translation>
    </message>
    <message>
        <source>Matrix for printing</source>
        <translation>Matrix for printing</translation>
    </message>
    <message>
        <source>Rozptyl chyby:</source>
        <translation>Error diffusion:</translation>
    </message>
    <message>
        <source>Prahové masky:</source>
        <translation>Threshold masks:</translation>
    </message>
    <message>
        <source>Volby a úpravy před ditheringem</source>
        <translation>Options and adjustments before dithering</translation>
    </message>
    <message>
        <source>Střídat směr řádků (serpentine)</source>
        <translation>Alternate the row direction (serpentine)</translation>
    </message>
    <message>
        <source>Síla rozptylu chyby (%):</source>
        <translation>Error diffusion strength (%):</translation>
    </message>
    <message>
        <source>Dithering v lineárním světle</source>
        <translation>Dithering in linear light</translation>
    </message>
    <message>
        <source>Automaticky roztáhnout úrovně</source>
        <translation>Stretch the levels automatically</translation>
    </message>
    <message>
        <source>Jas:</source>
        <translation>Brightness:</translation>
    </message>
    <message>
        <source>Kontrast:</source>
        <translation>Contrast:</translation>
    </message>
    <message>
        <source>Gama:</source>
        <translation>Gamma:</translation>
    </message>
    <message>
        <source>Invertovat</source>
        <translation>Invert</translation>
    </message>
    <message>
        <source>Dithering</source>
        <translation>Dithering</translation>
    </message>
    <message>
        <source>Nastavení konverze</source>
        <translation>Conversion Settings</translation>
    </message>
    <message>
        <source>Aktuální pozice:</source>
        <translation>Current position:</translation>
    </message>
    <message>
        <source>Náhled není k dispozici</source>
        <translation>No preview available</translation>
    </message>
    <message>
        <source>Najít složku</source>
        <translation>Browse for Folder</translation>
    </message>
    <message>
        <source>Změnit disk:</source>
        <translation>Change drive:</translation>
    </message>
    <message>
        <source>&amp;Nová složka</source>
        <translation>&amp;New Folder</translation>
    </message>
    <message>
        <source>Nová složka</source>
        <translation>New Folder</translation>
    </message>
    <message>
        <source>Zadejte jméno složky:</source>
        <translation>Enter the folder name:</translation>
    </message>
    <message>
        <source>&amp;Cesta:</source>
        <translation>&amp;Path:</translation>
    </message>
    <message>
        <source>Složka &apos;%1&apos; neexistuje.</source>
        <translation>The folder &apos;%1&apos; does not exist.</translation>
    </message>
    <message>
        <source>Stahování obrázku</source>
        <translation>Downloading a Picture</translation>
    </message>
    <message>
        <source>Zadejte URL obrázku:</source>
        <translation>Enter the URL of the picture:</translation>
    </message>
    <message>
        <source>Uložit do složky:</source>
        <translation>Save to folder:</translation>
    </message>
    <message>
        <source>Procházet</source>
        <translation>Browse</translation>
    </message>
    <message>
        <source>Probíhá stahování</source>
        <translation>Downloading</translation>
    </message>
    <message>
        <source>Status: Zahajuji stahování...</source>
        <translation>Status: Starting the download...</translation>
    </message>
    <message>
        <source>   URL: Vyhodnocuji</source>
        <translation>   URL: Resolving</translation>
    </message>
    <message>
        <source>   URL: %1</source>
        <translation>   URL: %1</translation>
    </message>
    <message>
        <source>Status: Připojuji se na Internet...</source>
        <translation>Status: Connecting to the Internet...</translation>
    </message>
    <message>
        <source>Status: staženo %1 bytů</source>
        <translation>Status: %1 bytes downloaded</translation>
    </message>
    <message>
        <source>URL: %1</source>
        <translation>URL: %1</translation>
    </message>
    <message>
        <source>Dávková konverze</source>
        <translation>Batch Conversion</translation>
    </message>
    <message>
        <source>Výběr souboru</source>
        <translation>File Selection</translation>
    </message>
    <message>
        <source>&amp;Přidat soubory</source>
        <translation>&amp;Add Files</translation>
    </message>
    <message>
        <source>Přidat &amp;URL</source>
        <translation>Add &amp;URL</translation>
    </message>
    <message>
        <source>&amp;Odstranit</source>
        <translation>&amp;Remove</translation>
    </message>
    <message>
        <source>Zvolte soubory pro přidání</source>
        <translation>Choose files to add</translation>
    </message>
    <message>
        <source>All Supported Image Files</source>
        <translation>All Supported Image Files</translation>
    </message>
    <message>
        <source>Nastavení</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Ukládat do složky:</source>
        <translation>Save to folder:</translation>
    </message>
    <message>
        <source>&amp;Procházet</source>
        <translation>&amp;Browse</translation>
    </message>
    <message>
        <source>Výstupní formát</source>
        <translation>Output format</translation>
    </message>
    <message>
        <source>&amp;Zastavit při chybě</source>
        <translation>&amp;Stop on error</translation>
    </message>
    <message>
        <source>Počkat na potvrzení</source>
        <translation>Wait for confirmation</translation>
    </message>
    <message>
        <source>Změnit velikost</source>
        <translation>Resize</translation>
    </message>
    <message>
        <source>Přizpůsobit do okna</source>
        <translation>Fit to window</translation>
    </message>
    <message>
        <source>Přizpůsobit pro telefon:</source>
        <translation>Fit to phone:</translation>
    </message>
    <message>
        <source>x</source>
        <translation>x</translation>
    </message>
    <message>
        <source>WML stránky</source>
        <translation>WML Pages</translation>
    </message>
    <message>
        <source>Vytvořit WML stránky</source>
        <translation>Create WML pages</translation>
    </message>
    <message>
        <source>Prefix pro zdroj (např. URL):</source>
        <translation>Prefix for the source (e.g. a URL):</translation>
    </message>
    <message>
        <source>Zvláštní složka pro WML stránky:</source>
        <translation>Separate folder for the WML pages:</translation>
    </message>
    <message>
        <source>Náhradní text</source>
        <translation>Alternative text</translation>
    </message>
    <message>
        <source>Název obrázku</source>
        <translation>Picture name</translation>
    </message>
    <message>
        <source>Vlastní text:</source>
        <translation>Custom text:</translation>
    </message>
    <message>
        <source>Probíhá konverze...</source>
        <translation>Converting...</translation>
    </message>
    <message>
        <source>Zpracovávám obrázek: %1</source>
        <translation>Processing picture: %1</translation>
    </message>
    <message>
        <source>Status: %1</source>
        <translation>Status: %1</translation>
    </message>
    <message>
        <source>Zpracováno:</source>
        <translation>Processed:</translation>
    </message>
    <message>
        <source>Zbývá:</source>
        <translation>Remaining:</translation>
    </message>
    <message>
        <source>Chyby:</source>
        <translation>Errors:</translation>
    </message>
    <message>
        <source>No File</source>
        <translation>No File</translation>
    </message>
    <message>
        <source>Preparing...</source>
        <translation>Preparing...</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unknown</translation>
    </message>
    <message>
        <source>Nelze stahovat z %s: knihovna libcurl (balíček libcurl4) není nainstalována</source>
        <translation>Cannot download from %s: the libcurl library (package libcurl4) is not installed</translation>
    </message>
    <message>
        <source>Soubor BMP udává barevnou hloubku %d bpp, kterou formát BMP nemá</source>
        <translation>The BMP file declares a depth of %d bpp, which the BMP format does not have</translation>
    </message>
    <message>
        <source>Soubor BMP s hlavičkou OS/2 1.x udává barevnou hloubku %d bpp, kterou tato hlavička nemá</source>
        <translation>The BMP file with an OS/2 1.x header declares a depth of %d bpp, which that header does not have</translation>
    </message>
    <message>
        <source>Soubor BMP udává kódování %s u barevné hloubky %d bpp, u níž není možné</source>
        <translation>The BMP file declares the %s coding at a depth of %d bpp, where it is not possible</translation>
    </message>
    <message>
        <source>Soubor BMP udává bitové masky u barevné hloubky %d bpp; masky mají jen soubory s 16 a 32 bpp</source>
        <translation>The BMP file declares bit masks at a depth of %d bpp; only 16 and 32 bpp files have masks</translation>
    </message>
    <message>
        <source>Bitové masky souboru BMP (%d bpp: červená %s, zelená %s, modrá %s, alfa %s) nejsou souvislé, překrývají se nebo přesahují pixel</source>
        <translation>The bit masks of the BMP file (%d bpp: red %s, green %s, blue %s, alpha %s) are not contiguous, overlap or reach beyond the pixel</translation>
    </message>
    <message>
        <source>Soubory BMP s kódováním %s nejsou podporovány</source>
        <translation>BMP files coded as %s are not supported</translation>
    </message>
    <message>
        <source>Soubor BMP udává neznámé kódování číslo %d</source>
        <translation>The BMP file declares an unknown coding, number %d</translation>
    </message>
    <message>
        <source>Obrázek %s vložený do souboru BMP nelze přečíst: %s</source>
        <translation>The %s picture embedded in the BMP file cannot be read: %s</translation>
    </message>
</context>
<context>
    <name>glyphon-cli</name>
    <message>
        <source>glyphon-cli: unknown command &apos;%s&apos;

</source>
        <translation>glyphon-cli: unknown command &apos;%s&apos;

</translation>
    </message>
    <message>
        <source>glyphon-cli %s: %s
</source>
        <translation>glyphon-cli %s: %s
</translation>
    </message>
    <message>
        <source>glyphon-cli %s: %s
Run &apos;glyphon-cli %s --help&apos; for usage.
</source>
        <translation>glyphon-cli %s: %s
Run &apos;glyphon-cli %s --help&apos; for usage.
</translation>
    </message>
    <message>
        <source>unknown option &apos;%s&apos;</source>
        <translation>unknown option &apos;%s&apos;</translation>
    </message>
    <message>
        <source>option %s needs a value</source>
        <translation>option %s needs a value</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%s&apos;</source>
        <translation>unexpected argument &apos;%s&apos;</translation>
    </message>
    <message>
        <source>unsupported format &apos;%s&apos;</source>
        <translation>unsupported format &apos;%s&apos;</translation>
    </message>
    <message>
        <source>unknown method &apos;%s&apos;</source>
        <translation>unknown method &apos;%s&apos;</translation>
    </message>
    <message>
        <source>threshold must be a whole number from 0 to 255</source>
        <translation>threshold must be a whole number from 0 to 255</translation>
    </message>
    <message>
        <source>size must look like 96x60</source>
        <translation>size must look like 96x60</translation>
    </message>
    <message>
        <source>percentage must be a whole number from 1 to 100000</source>
        <translation>percentage must be a whole number from 1 to 100000</translation>
    </message>
    <message>
        <source>give only one of --fit, --phone, --display, --size and --percent</source>
        <translation>give only one of --fit, --phone, --display, --size and --percent</translation>
    </message>
    <message>
        <source>input names cannot hold line breaks</source>
        <translation>input names cannot hold line breaks</translation>
    </message>
    <message>
        <source>no input pictures</source>
        <translation>no input pictures</translation>
    </message>
    <message>
        <source>no output given (-o)</source>
        <translation>no output given (-o)</translation>
    </message>
    <message>
        <source>--wml-dir, --prefix and --alt need --wml</source>
        <translation>--wml-dir, --prefix and --alt need --wml</translation>
    </message>
    <message>
        <source>tile size must look like 48x48, at least 4 wide</source>
        <translation>tile size must look like 48x48, at least 4 wide</translation>
    </message>
    <message>
        <source>give one input picture</source>
        <translation>give one input picture</translation>
    </message>
    <message>
        <source>no input picture</source>
        <translation>no input picture</translation>
    </message>
    <message>
        <source>no output folder given (-o)</source>
        <translation>no output folder given (-o)</translation>
    </message>
    <message>
        <source>no tile size given (--tile, --phone or --display)</source>
        <translation>no tile size given (--tile, --phone or --display)</translation>
    </message>
    <message>
        <source>give only one of --tile, --phone and --display</source>
        <translation>give only one of --tile, --phone and --display</translation>
    </message>
    <message>
        <source>--wml-dir and --prefix need --wml</source>
        <translation>--wml-dir and --prefix need --wml</translation>
    </message>
    <message>
        <source>give a digit folder and a number</source>
        <translation>give a digit folder and a number</translation>
    </message>
    <message>
        <source>the number must consist of digits only</source>
        <translation>the number must consist of digits only</translation>
    </message>
    <message>
        <source>the number is too large</source>
        <translation>the number is too large</translation>
    </message>
    <message>
        <source>width must be a whole number from 1 to 100000</source>
        <translation>width must be a whole number from 1 to 100000</translation>
    </message>
    <message>
        <source>--max-pixels must be a whole number from 1 to %d</source>
        <translation>--max-pixels must be a whole number from 1 to %d</translation>
    </message>
    <message>
        <source>--timeout must be a whole number of seconds from 1 to 86400</source>
        <translation>--timeout must be a whole number of seconds from 1 to 86400</translation>
    </message>
    <message>
        <source>%s must be a whole number from %d to %d</source>
        <translation>%s must be a whole number from %d to %d</translation>
    </message>
    <message>
        <source>--gamma must be a number from 0.1 to 10</source>
        <translation>--gamma must be a number from 0.1 to 10</translation>
    </message>
    <message>
        <source>--byte-order must be horizontal, vertical or xbm</source>
        <translation>--byte-order must be horizontal, vertical or xbm</translation>
    </message>
    <message>
        <source>--byte-order and --invert-array need -f c</source>
        <translation>--byte-order and --invert-array need -f c</translation>
    </message>
    <message>
        <source>cannot create a temporary folder</source>
        <translation>cannot create a temporary folder</translation>
    </message>
    <message>
        <source>cannot create folder &apos;%s&apos;</source>
        <translation>cannot create folder &apos;%s&apos;</translation>
    </message>
    <message>
        <source>cannot write page &apos;%s&apos;</source>
        <translation>cannot write page &apos;%s&apos;</translation>
    </message>
    <message>
        <source>%d x %d tiles
</source>
        <translation>%d x %d tiles
</translation>
    </message>
    <message>
        <source>%d WML pages
</source>
        <translation>%d WML pages
</translation>
    </message>
    <message>
        <source>Connecting to %s</source>
        <translation>Connecting to %s</translation>
    </message>
    <message>
        <source>%d/%d bytes</source>
        <translation>%d/%d bytes</translation>
    </message>
    <message>
        <source>%d bytes</source>
        <translation>%d bytes</translation>
    </message>
    <message>
        <source>no phone given</source>
        <translation>no phone given</translation>
    </message>
    <message>
        <source>the phone table is empty</source>
        <translation>the phone table is empty</translation>
    </message>
    <message>
        <source>the table has phone 1 only</source>
        <translation>the table has phone 1 only</translation>
    </message>
    <message>
        <source>the table has phones 1 to %d</source>
        <translation>the table has phones 1 to %d</translation>
    </message>
    <message>
        <source>phone %d (&apos;%s&apos;) has no usable display (%dx%d)</source>
        <translation>phone %d (&apos;%s&apos;) has no usable display (%dx%d)</translation>
    </message>
    <message>
        <source>phone %d cannot be read from the phone table</source>
        <translation>phone %d cannot be read from the phone table</translation>
    </message>
    <message>
        <source>no phone %s: %s</source>
        <translation>no phone %s: %s</translation>
    </message>
    <message>
        <source>no phone named &apos;%s&apos; before phone %d, which cannot be read from the phone table</source>
        <translation>no phone named &apos;%s&apos; before phone %d, which cannot be read from the phone table</translation>
    </message>
    <message>
        <source>no phone named &apos;%s&apos; in the phone table (see &apos;glyphon-cli phones list&apos;)</source>
        <translation>no phone named &apos;%s&apos; in the phone table (see &apos;glyphon-cli phones list&apos;)</translation>
    </message>
    <message>
        <source>the name &apos;%s&apos; fits phones %s of different sizes; give the phone&apos;s number</source>
        <translation>the name &apos;%s&apos; fits phones %s of different sizes; give the phone&apos;s number</translation>
    </message>
    <message>
        <source>no display &apos;%s&apos; (see &apos;glyphon-cli displays list&apos;)</source>
        <translation>no display &apos;%s&apos; (see &apos;glyphon-cli displays list&apos;)</translation>
    </message>
    <message>
        <source>no subcommand given (list)</source>
        <translation>no subcommand given (list)</translation>
    </message>
    <message>
        <source>unknown use; only &apos;list&apos; is known</source>
        <translation>unknown use; only &apos;list&apos; is known</translation>
    </message>
    <message>
        <source>the phone table could not be written to %s</source>
        <translation>the phone table could not be written to %s</translation>
    </message>
    <message>
        <source>phone %d cannot be read; the list stops there (the table claims %d phones)</source>
        <translation>phone %d cannot be read; the list stops there (the table claims %d phones)</translation>
    </message>
    <message>
        <source>list takes no arguments</source>
        <translation>list takes no arguments</translation>
    </message>
    <message>
        <source>add needs a NAME, a WIDTH and a HEIGHT</source>
        <translation>add needs a NAME, a WIDTH and a HEIGHT</translation>
    </message>
    <message>
        <source>WIDTH must be a whole number from 1 to 9000, not &apos;%s&apos;</source>
        <translation>WIDTH must be a whole number from 1 to 9000, not &apos;%s&apos;</translation>
    </message>
    <message>
        <source>HEIGHT must be a whole number from 1 to 9000, not &apos;%s&apos;</source>
        <translation>HEIGHT must be a whole number from 1 to 9000, not &apos;%s&apos;</translation>
    </message>
    <message>
        <source>remove needs one phone NUMBER</source>
        <translation>remove needs one phone NUMBER</translation>
    </message>
    <message>
        <source>NUMBER must be a phone&apos;s number from 1 to %d, not &apos;%s&apos;</source>
        <translation>NUMBER must be a phone&apos;s number from 1 to %d, not &apos;%s&apos;</translation>
    </message>
    <message>
        <source>unknown action &apos;%s&apos; (list, add or remove)</source>
        <translation>unknown action &apos;%s&apos; (list, add or remove)</translation>
    </message>
    <message>
        <source>removed %d. %s
</source>
        <translation>removed %d. %s
</translation>
    </message>
    <message>
        <source>the phone name is not valid UTF-8</source>
        <translation>the phone name is not valid UTF-8</translation>
    </message>
    <message>
        <source>the phone name is empty</source>
        <translation>the phone name is empty</translation>
    </message>
    <message>
        <source>the phone name has %d characters; at most %d are allowed</source>
        <translation>the phone name has %d characters; at most %d are allowed</translation>
    </message>
    <message>
        <source>the phone name contains a control character</source>
        <translation>the phone name contains a control character</translation>
    </message>
    <message>
        <source>the phone name &apos;%s&apos; is a number, which --phone would take for a phone&apos;s number</source>
        <translation>the phone name &apos;%s&apos; is a number, which --phone would take for a phone&apos;s number</translation>
    </message>
    <message>
        <source>phone %d is already named &apos;%s&apos;</source>
        <translation>phone %d is already named &apos;%s&apos;</translation>
    </message>
    <message>
        <source>jobs must be a whole number from 1 to 64</source>
        <translation>jobs must be a whole number from 1 to 64</translation>
    </message>
</context>
</TS>
