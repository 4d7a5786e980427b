#!/usr/bin/env bash
# Makes the parts-list fixtures of tests/partslist and the window-frame sample. Needs LibreOffice
# Calc (Debian libreoffice-calc-nogui), iconv and python3 on the machine that makes them; the
# project itself needs none of them. The files it makes are committed; run it again only to
# change them.
#   parts-two-sheets.fods  the hand-written source: sheets "Frames" (German header, a formula,
#                          refused rows) and "Sashes" (English header)
#   parts-two-sheets.xlsx/.ods/.xls  the same saved by Calc
#   other-writers.xlsx     what other writers than Calc put in a workbook
#   parts-*.csv/.txt/.tsv  text lists in UTF-8 with a byte-order mark, UTF-16, Windows-1250
#   hostile/*              files that must be refused, or read harmlessly, in bounded time
set -euo pipefail
cd "$(dirname "$0")"
root="$(cd ../../.. && pwd)"
profile="$(mktemp -d)"
trap 'rm -rf "$profile"' EXIT
calc() { soffice -env:UserInstallation=file://"$profile" --headless "$@" > /dev/null; }

for type in xlsx ods xls; do calc --convert-to "$type" parts-two-sheets.fods; done

# Slovak header, semicolons, decimal commas, UTF-8 with a byte-order mark.
printf '\xEF\xBB\xBFZnačka;Materiál;Dĺžka;Počet;Zákazka;Poznámka;Uhol 1;Uhol 2\r\n%s\r\n%s\r\n%s\r\n' \
  'O3 ľavý stĺpik;AL 6060 rám 70x45;2150;2;Z-15;;45;45' \
  'O3 nadpražie;AL 6060 rám 70x45;1234,6;1;Z-15;"rez; po stĺpikoch";22,5;' \
  'O4 parapet;PVC parapet 150;1.250;1;Z-15;;;' > parts-sk-utf8bom.csv
# Czech header, tabs, UTF-16 little endian with a byte-order mark (a spreadsheet's Unicode text).
printf 'Značka\tMateriál\tDélka\tKs\tZakázka\tPoznámka\tÚhel 1\tÚhel 2\r\n%s\r\n%s\r\n' \
  $'O5 křídlo\tPVC křídlo 76\t1100\t2\tZ-16\t\t\t' \
  $'O5 lišta\tPVC lišta 24\t620\t4\tZ-16\tsklo č. 2\t-30\t30' \
  | iconv -f UTF-8 -t UTF-16LE | { printf '\xFF\xFE'; cat; } > parts-cs-utf16.txt
# Dutch header, commas, Windows-1250 (marks with Czech letters).
printf 'Merk,Materiaal,Lengte,Aantal,Opdracht,Opmerking,Hoek 1,Hoek 2\r\n%s\r\n%s\r\n' \
  'Řez 1,AL profiel 50,"1500,5",3,NL-8,,,' \
  'Čep 2,AL profiel 50,900,1,NL-8,kort,,' | iconv -f UTF-8 -t WINDOWS-1250 > parts-nl-cp1250.csv
# English header with other words, tabs, plain ASCII, no material column.
printf 'Item\tDimension\tPcs\tNote\n%s\n%s\n' $'A1\t3000\t5\tspare' $'A2\t2999.5\t1\t' > parts-en.tsv

mkdir -p hostile
python3 - "$root" <<'PY'
import io, os, struct, sys, zipfile

def xlsx(sheet_xml, shared_strings=None):
    rels = '<Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet" Target="worksheets/sheet1.xml"/>'
    if shared_strings:
        rels += '<Relationship Id="rId2" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/sharedStrings" Target="/xl/sharedStrings.xml"/>'
    out = io.BytesIO()
    with zipfile.ZipFile(out, "w") as z:
        z.writestr("[Content_Types].xml", '<?xml version="1.0"?><Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types"/>')
        z.writestr("_rels/.rels", '<?xml version="1.0"?><Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships"><Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument" Target="xl/workbook.xml"/></Relationships>')
        z.writestr("xl/workbook.xml", '<?xml version="1.0"?><workbook xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main" xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships"><sheets><sheet name="Sheet1" sheetId="1" r:id="rId1"/></sheets></workbook>')
        z.writestr("xl/_rels/workbook.xml.rels", '<?xml version="1.0"?><Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">' + rels + '</Relationships>')
        if shared_strings:
            z.writestr("xl/sharedStrings.xml", shared_strings)
        info = zipfile.ZipInfo("xl/worksheets/sheet1.xml")
        info.compress_type = zipfile.ZIP_DEFLATED
        with z.open(info, "w") as entry:  # streamed: a huge entry never sits in memory
            for chunk in sheet_xml:
                entry.write(chunk)
    return out.getvalue()

def inline_row(number, cells):
    return "<row r=\"%d\">%s</row>" % (number, "".join(
        '<c t="inlineStr"><is><t>%s</t></is></c>' % c if isinstance(c, str) else "<c><v>%s</v></c>" % c
        for c in cells))

def spaces(total, chunk=1 << 20):
    for _ in range(total // chunk):
        yield b" " * chunk

# What other writers than Calc put in a workbook: rich text and phonetic guides in shared
# strings, a prefixed namespace, rows and cells without references, inline strings, a text
# formula, a boolean, an error, numbers with an exponent and with binary noise.
strings = ('<sst xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main">'
           "<si><t>Mark</t></si><si><t>Length</t></si><si><t>Pieces</t></si><si><t>Note</t></si>"
           '<si><r><rPr><b/></rPr><t>W1 </t></r><r><t xml:space="preserve">left  jamb</t></r><rPh><t>x</t></rPh></si></sst>')
features = ('<x:worksheet xmlns:x="http://schemas.openxmlformats.org/spreadsheetml/2006/main"><x:sheetData>'
            '<x:row><x:c t="s"><x:v>0</x:v></x:c><x:c t="s"><x:v>1</x:v></x:c><x:c t="s"><x:v>2</x:v></x:c><x:c t="s"><x:v>3</x:v></x:c></x:row>'
            '<x:row><x:c t="s"><x:v>4</x:v></x:c><x:c><x:v>2099.9999999999995</x:v></x:c><x:c><x:v>2</x:v></x:c><x:c t="b"><x:v>1</x:v></x:c></x:row>'
            '<x:row r="4"><x:c r="A4" t="inlineStr"><x:is><x:t>W2</x:t></x:is></x:c><x:c r="B4"><x:v>1.2345E3</x:v></x:c><x:c r="C4" t="str"><x:f>2*2</x:f><x:v>4</x:v></x:c><x:c r="D4" t="e"><x:v>#DIV/0!</x:v></x:c></x:row>'
            '<x:row r="6"><x:c r="D6" t="str"><x:v>only a note</x:v></x:c></x:row>'
            "</x:sheetData></x:worksheet>")
open("other-writers.xlsx", "wb").write(xlsx([features.encode()], strings))

# A zip bomb whose headers lie: 80 MiB of blanks inside the sheet, the headers saying 1000 bytes.
sheet = [b'<worksheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main"><sheetData>']
data = xlsx(sheet + list(spaces(80 << 20)) + [b"</sheetData></worksheet>"])
name = b"xl/worksheets/sheet1.xml"
data = bytearray(data)
for signature, size_offset, name_offset in ((b"PK\x03\x04", 22, 30), (b"PK\x01\x02", 24, 46)):
    at = 0
    while (at := data.find(signature, at)) >= 0:
        if data[at + name_offset:at + name_offset + len(name)] == name:
            struct.pack_into("<I", data, at + size_offset, 1000)
        at += 4
open("hostile/zip-bomb-lying.xlsx", "wb").write(bytes(data))

# A zip bomb that says what it holds: 1 GiB of blanks, packed with bzip2 into a few KiB.
out = io.BytesIO()
with zipfile.ZipFile(out, "w", compression=zipfile.ZIP_BZIP2) as z:
    z.writestr("mimetype", "application/vnd.oasis.opendocument.spreadsheet")
    with z.open("content.xml", "w", force_zip64=True) as entry:
        for chunk in spaces(1 << 30, 16 << 20):
            entry.write(chunk)
open("hostile/zip-bomb.ods", "wb").write(out.getvalue())

# Elements as dense as XML allows: 60 MiB of empty cells, more nodes than the parser may hold.
sheet = [b'<worksheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main"><sheetData><row>']
open("hostile/dense-nodes.xlsx", "wb").write(xlsx(sheet + [b"<c/>" * (1 << 18)] * 60 + [b"</row></sheetData></worksheet>"]))

# Billion laughs: entities within entities, which a parser that expands them multiplies to
# gigabytes. The cell keeps the reference as text.
lol = ['<!ENTITY lol "lol">'] + ['<!ENTITY lol%d "%s">' % (i, ("&lol%s;" % (i - 1 if i > 1 else "")) * 10) for i in range(1, 10)]
laughs = ('<?xml version="1.0"?><!DOCTYPE worksheet [' + "".join(lol) + ']>'
          '<worksheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main"><sheetData>'
          + inline_row(1, ["Mark", "Material", "Length", "Pieces"])
          + inline_row(2, ["&lol9;", "AL", 1000, 1]) + "</sheetData></worksheet>")
open("hostile/billion-laughs.xlsx", "wb").write(xlsx([laughs.encode()]))

# Repeated rows and columns far beyond any sheet.
def ods(content):
    out = io.BytesIO()
    with zipfile.ZipFile(out, "w", compression=zipfile.ZIP_DEFLATED) as z:
        z.writestr(zipfile.ZipInfo("mimetype"), "application/vnd.oasis.opendocument.spreadsheet")
        z.writestr("META-INF/manifest.xml", '<?xml version="1.0"?><manifest:manifest xmlns:manifest="urn:oasis:names:tc:opendocument:xmlns:manifest:1.0"/>')
        z.writestr("content.xml", content)
    return out.getvalue()
text = lambda t: '<table:table-cell office:value-type="string"><text:p>%s</text:p></table:table-cell>' % t
number = lambda v: '<table:table-cell office:value-type="float" office:value="%s"/>' % v
header = "<table:table-row>" + text("Mark") + text("Material") + text("Length") + text("Pieces") + "</table:table-row>"
part = "<table:table-row>" + text("P1") + text("AL") + number(1500) + number(2) + "</table:table-row>"
tables = {
    "Rows": header + '<table:table-row table:number-rows-repeated="1000000000">' + text("P") + text("AL") + number(100) + number(1) + "</table:table-row>",
    "Columns": header + '<table:table-row>' + text("P") + '<table:table-cell table:number-columns-repeated="2000000000" office:value-type="float" office:value="1"/></table:table-row>',
    "Blank": header + part + '<table:table-row table:number-rows-repeated="2147483647"><table:table-cell table:number-columns-repeated="2147483647"/></table:table-row>'
             + '<table:table-row table:number-rows-repeated="99999999999999999999999"/>',
    "Cells": header + "".join('<table:table-row table:number-rows-repeated="1000">' + text("P") + text("M" * 1000) + number(100) + number(1) + "</table:table-row>" for _ in range(99)),
}
content = ('<?xml version="1.0"?><office:document-content xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0" xmlns:table="urn:oasis:names:tc:opendocument:xmlns:table:1.0" xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0"><office:body><office:spreadsheet>'
           + "".join('<table:table table:name="%s">%s</table:table>' % item for item in tables.items())
           + "</office:spreadsheet></office:body></office:document-content>")
open("hostile/huge-repeats.ods", "wb").write(ods(content))

# A manifest that says the content is encrypted, as Calc saves a document with a password.
encrypted = io.BytesIO()
with zipfile.ZipFile(encrypted, "w") as z:
    z.writestr("mimetype", "application/vnd.oasis.opendocument.spreadsheet")
    z.writestr("META-INF/manifest.xml", '<?xml version="1.0"?><manifest:manifest xmlns:manifest="urn:oasis:names:tc:opendocument:xmlns:manifest:1.0"><manifest:file-entry manifest:full-path="content.xml"><manifest:encryption-data manifest:checksum-type="SHA1/1K"/></manifest:file-entry></manifest:manifest>')
    z.writestr("content.xml", os.urandom(512))
open("hostile/encrypted.ods", "wb").write(encrypted.getvalue())

# An encrypted workbook is a compound file, not a zip container; garbage after the signature.
open("hostile/encrypted.xlsx", "wb").write(b"\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1" + bytes(range(256)) * 8)
open("hostile/garbage.xls", "wb").write(b"\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1" + bytes(255 - i % 256 for i in range(4096)))
good = open("parts-two-sheets.xlsx", "rb").read()
open("hostile/broken.xlsx", "wb").write(good[: len(good) * 3 // 5])
PY
# Entries encrypted with a zip password (the old ZipCrypto).
rm -f hostile/zip-password.xlsx
(tmp="$(mktemp -d)" && cd "$tmp" && unzip -q "$OLDPWD/parts-two-sheets.xlsx" && zip -qr -P secret "$OLDPWD/hostile/zip-password.xlsx" . && rm -rf "$tmp")

python3 make-window-frames.py > "$root/samples/window-frames.csv"
calc --infilter="CSV:59,34,76,1" --convert-to xlsx --outdir "$root/samples" "$root/samples/window-frames.csv"
