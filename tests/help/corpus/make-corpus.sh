#!/bin/sh
# Makes the help-reader corpus: small documents written by real word processors. Needs
# LibreOffice Writer (soffice), pandoc, AbiWord and python3; the results are committed, so the
# tests need none of them. Run from anywhere: ./make-corpus.sh
set -eu
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

# Two PNG pictures: one wider than any viewer, one small.
python3 - <<'PY'
import struct, zlib
def png(name, w, h, rgb):
    raw = b''.join(b'\0' + bytes(rgb) * w for _ in range(h))
    chunk = lambda t, d: struct.pack('>I', len(d)) + t + d + struct.pack('>I', zlib.crc32(t + d))
    with open(name, 'wb') as f:
        f.write(b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', struct.pack('>IIBBBBB', w, h, 8, 2, 0, 0, 0))
                + chunk(b'IDAT', zlib.compress(raw)) + chunk(b'IEND', b''))
png("wide.png", 2112, 12, (40, 90, 200))
png('small.png', 120, 80, (200, 60, 40))
PY

long="This item is long enough to wrap onto a second line in any viewer narrower than a page, so that the wrapped line shows where the text of the item begins."

cat > source.md <<MD
# Sale day

Read the notes[^1] before the sale.

- $long
- Second item

| Lot | Start | Note |
|-----|------:|------|
| 1   | 100   | Chair |
| 2   | 250   | Table |

![](wide.png)

See [the keys](#keys).

## Keys {#keys}

Water is H~2~O and area is m^2^.

[^1]: The footnote text lies at the end.
MD

cat > source.html <<HTML
<html><head><meta charset="utf-8"></head><body>
<h1>House rules</h1>
<p>Bidders register first. See <a href="#payment">payment</a>.</p>
<ul><li>$long</li><li>Second rule</li></ul>
<table cellspacing="0" cellpadding="4">
<tr><td colspan="3" bgcolor="#ffcc00">Fees</td></tr>
<tr><td>Buyer</td><td>Seller</td><td>Online</td></tr>
<tr><td>15%</td><td rowspan="2">10%</td><td>3%</td></tr>
<tr><td>20%</td><td>5%</td></tr>
</table>
<p><img src="small.png" width="120" height="80"> <img src="wide.png"></p>
<h2><a name="payment"></a>Payment</h2>
<p>Cash or card; x<sup>2</sup> and CO<sub>2</sub>.</p>
</body></html>
HTML

# A table with its borders declared, as a house-rules page writes one.
cat > borders.html <<'HTML'
<html><head><meta charset="utf-8"></head><body>
<p>Increments</p>
<table border="1" cellspacing="0" cellpadding="4">
<tr><td>From</td><td>To</td><td>Step</td></tr>
<tr><td>0</td><td>100</td><td>5</td></tr>
<tr><td>100</td><td>1000</td><td>25</td></tr>
</table>
<p>End of the table.</p>
</body></html>
HTML

# A text box and a picture in shapes, as Writer writes frames anchored to a paragraph.
cat > shapes.fodt <<'FODT'
<?xml version="1.0" encoding="UTF-8"?>
<office:document xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0" xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0" xmlns:draw="urn:oasis:names:tc:opendocument:xmlns:drawing:1.0" xmlns:svg="urn:oasis:names:tc:opendocument:xmlns:svg-compatible:1.0" xmlns:xlink="http://www.w3.org/1999/xlink" office:version="1.3" office:mimetype="application/vnd.oasis.opendocument.text">
<office:body><office:text>
<text:p>Before the box.<draw:frame draw:name="Box" text:anchor-type="paragraph" svg:width="6cm" svg:height="2cm"><draw:text-box><text:p>Inside the box.</text:p></draw:text-box></draw:frame></text:p>
<text:p>Picture:<draw:frame draw:name="Pic" text:anchor-type="paragraph" svg:width="3cm" svg:height="2cm"><draw:image xlink:href="small.png" xlink:type="simple"/></draw:frame> after.</text:p>
</office:text></office:body></office:document>
FODT

pandoc source.md -s -o pandoc.rtf
pandoc source.md -o source.docx
pandoc source.md -o source.odt
soffice --headless --convert-to rtf --outdir writer-docx source.docx >/dev/null
soffice --headless --convert-to rtf --outdir writer-odt source.odt >/dev/null
soffice --headless --writer --convert-to rtf --outdir writer-html source.html >/dev/null
soffice --headless --convert-to rtf --outdir writer-shapes shapes.fodt >/dev/null
soffice --headless --writer --convert-to rtf --outdir writer-borders borders.html >/dev/null
cp writer-borders/borders.rtf "$here/writer-borders.rtf"
# The shipped help document as Writer saves it back, as a sale room that edits it would.
soffice --headless --convert-to rtf --outdir writer-help "$here/../../../resources/gavelorhelpfile.rtf" >/dev/null
cp writer-help/gavelorhelpfile.rtf "$here/writer-helpfile.rtf"
cp writer-shapes/shapes.rtf "$here/writer-shapes.rtf"
cp pandoc.rtf "$here/pandoc.rtf"
cp writer-docx/source.rtf "$here/writer-from-docx.rtf"
cp writer-odt/source.rtf "$here/writer-from-odt.rtf"
cp writer-html/source.html.rtf "$here/writer-from-html.rtf" 2>/dev/null || cp writer-html/source.rtf "$here/writer-from-html.rtf"

# WordPad-style files: the text in the code page, every byte above ASCII as \'hh.
python3 - "$here" <<'PY'
import sys
here = sys.argv[1]
samples = [
    ('cp932', 932, 128, 'MS Gothic', '競売の規則'),
    ('cp936', 936, 134, 'SimSun', '拍卖规则'),
    ('cp949', 949, 129, 'Gulim', '경매 규칙'),
    ('cp950', 950, 136, 'MingLiU', '拍賣規則'),
]
for name, cp, charset, font, text in samples:
    body = ''.join(chr(b) if b < 0x80 else "\\'%02x" % b for b in text.encode(name))
    # One file names the code page for the document, the other only for the font.
    for kind, header in (('ansicpg', '\\ansicpg%d' % cp), ('fcharset', '\\ansicpg1252')):
        rtf = ('{\\rtf1\\ansi%s\\deff0{\\fonttbl{\\f0\\fnil\\fcharset%d %s;}}\r\n'
               '\\viewkind4\\uc1\\pard\\f0\\fs20 %s\\par\r\n}\r\n\x00') % (header, charset, font, body)
        with open('%s/wordpad-%s-%s.rtf' % (here, name, kind), 'wb') as f:
            f.write(rtf.encode('ascii'))
PY

# A house's conditions of sale as Writer writes them: headings, a shaded and bordered note, a
# rule, white text on a shaded paragraph, a price with a dotted tab leader, small capitals,
# double spacing, a right-to-left paragraph, a cell merged downwards and centred, foot- and
# endnotes, a header and a footer, and a floating 4 cm photo with its description.
cat > features.fodt.in <<'FODT'
<?xml version="1.0" encoding="UTF-8"?>
<office:document xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0" xmlns:style="urn:oasis:names:tc:opendocument:xmlns:style:1.0" xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0" xmlns:table="urn:oasis:names:tc:opendocument:xmlns:table:1.0" xmlns:draw="urn:oasis:names:tc:opendocument:xmlns:drawing:1.0" xmlns:fo="urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0" xmlns:xlink="http://www.w3.org/1999/xlink" xmlns:svg="urn:oasis:names:tc:opendocument:xmlns:svg-compatible:1.0" office:version="1.3" office:mimetype="application/vnd.oasis.opendocument.text">
<office:styles>
<style:style style:name="Standard" style:family="paragraph"/>
<style:style style:name="Heading_20_1" style:display-name="Heading 1" style:family="paragraph" style:default-outline-level="1"><style:text-properties fo:font-size="16pt" fo:font-weight="bold"/></style:style>
<style:style style:name="Heading_20_2" style:display-name="Heading 2" style:family="paragraph" style:default-outline-level="2"><style:text-properties fo:font-size="13pt" fo:font-weight="bold"/></style:style>
</office:styles>
<office:automatic-styles>
<style:style style:name="Note" style:family="paragraph"><style:paragraph-properties fo:background-color="#ffeeaa" fo:border="0.5pt solid #cc0000" fo:padding="0.1cm"/></style:style>
<style:style style:name="Rule" style:family="paragraph"><style:paragraph-properties fo:border-bottom="1.1pt solid #000000" fo:padding="0cm"/></style:style>
<style:style style:name="Banner" style:family="paragraph"><style:paragraph-properties fo:background-color="#1f3864"/><style:text-properties fo:color="#ffffff" fo:font-weight="bold"/></style:style>
<style:style style:name="Price" style:family="paragraph"><style:paragraph-properties><style:tab-stops><style:tab-stop style:position="12cm" style:type="right" style:leader-style="dotted" style:leader-text="."/></style:tab-stops></style:paragraph-properties></style:style>
<style:style style:name="Caps" style:family="paragraph"><style:text-properties fo:font-variant="small-caps"/></style:style>
<style:style style:name="Double" style:family="paragraph"><style:paragraph-properties fo:line-height="200%"/></style:style>
<style:style style:name="Hebrew" style:family="paragraph"><style:paragraph-properties fo:text-align="justify" style:writing-mode="rl-tb"/></style:style>
<style:style style:name="Centred" style:family="paragraph"><style:paragraph-properties fo:text-align="center"/></style:style>
<style:style style:name="Cell" style:family="table-cell"><style:table-cell-properties fo:border="0.5pt solid #000000"/></style:style>
<style:style style:name="fr1" style:family="graphic"><style:graphic-properties style:wrap="right" style:horizontal-pos="left" style:horizontal-rel="paragraph"/></style:style>
<style:page-layout style:name="pm1"><style:page-layout-properties fo:page-width="21cm" fo:page-height="29.7cm" fo:margin-left="2cm" fo:margin-right="2cm"/><style:header-style/><style:footer-style/></style:page-layout>
</office:automatic-styles>
<office:master-styles>
<style:master-page style:name="Standard" style:page-layout-name="pm1">
<style:header><text:p>Gavelor House Rules</text:p></style:header>
<style:footer><text:p>Printed for the sale room</text:p></style:footer>
</style:master-page>
</office:master-styles>
<office:body><office:text>
<text:h text:style-name="Heading_20_1" text:outline-level="1">Conditions of sale</text:h>
<text:p text:style-name="Standard">Every lot is sold as seen.<text:note text:note-class="footnote"><text:note-citation>1</text:note-citation><text:note-body><text:p>A footnote.</text:p></text:note-body></text:note> Bids rise by the table.<text:note text:note-class="endnote"><text:note-citation>i</text:note-citation><text:note-body><text:p>The first endnote.</text:p></text:note-body></text:note> Payment follows.<text:note text:note-class="endnote"><text:note-citation>ii</text:note-citation><text:note-body><text:p>The second endnote.</text:p></text:note-body></text:note></text:p>
<text:h text:style-name="Heading_20_2" text:outline-level="2">Buyer's premium</text:h>
<text:p text:style-name="Note">Note: the premium is added to every hammer price.</text:p>
<text:p text:style-name="Rule"/>
<text:p text:style-name="Banner">Price list</text:p>
<text:p text:style-name="Price">Oak chest<text:tab/>150</text:p>
<text:p text:style-name="Caps">Small capitals here</text:p>
<text:p text:style-name="Double">Double spaced line one of a paragraph long enough to wrap onto the next line in a narrow viewer so that the spacing shows between its lines.</text:p>
<text:p text:style-name="Hebrew">מכירה פומבית היא מכירה שבה המחיר נקבע על ידי הצעות של קונים רבים, והפריט נמכר למציע הגבוה ביותר בסוף המכירה כולה.</text:p>
<table:table table:name="Fees"><table:table-column table:number-columns-repeated="2"/>
<table:table-row><table:table-cell table:style-name="Cell" table:number-rows-spanned="2"><text:p text:style-name="Centred">Merged</text:p></table:table-cell><table:table-cell table:style-name="Cell"><text:p>First</text:p></table:table-cell></table:table-row>
<table:table-row><table:covered-table-cell/><table:table-cell table:style-name="Cell"><text:p>Second</text:p></table:table-cell></table:table-row>
</table:table>
<text:p text:style-name="Standard"><draw:frame draw:style-name="fr1" draw:name="Thumb" text:anchor-type="paragraph" svg:width="4cm" svg:height="3cm"><draw:image><office:binary-data>PNGDATA</office:binary-data></draw:image><svg:desc>Oak chest, front view</svg:desc></draw:frame>A catalogue entry beside its photo.</text:p>
</office:text></office:body></office:document>
FODT
python3 - <<'PY'
import struct, zlib, base64
def png(w, h, rgb):
    raw = b''.join(b'\0' + bytes(rgb) * w for _ in range(h))
    chunk = lambda t, d: struct.pack('>I', len(d)) + t + d + struct.pack('>I', zlib.crc32(t + d))
    return (b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', struct.pack('>IIBBBBB', w, h, 8, 2, 0, 0, 0))
            + chunk(b'IDAT', zlib.compress(raw)) + chunk(b'IEND', b''))
photo = base64.b64encode(png(800, 600, (40, 140, 60))).decode()
open('features.fodt', 'w').write(open('features.fodt.in').read().replace('PNGDATA', photo))
PY
soffice --headless --convert-to rtf --outdir writer-features features.fodt >/dev/null
cp writer-features/features.rtf "$here/writer-features.rtf"

# A bidder FAQ as AbiWord writes it: numbers and bullets given by \pn only.
cat > faq.html <<'HTML'
<html><head><meta charset="utf-8"></head><body>
<p>Bidder FAQ</p>
<ol><li>Register at the desk</li><li>Take a paddle</li><li>Raise it to bid</li></ol>
<ul><li>Cash</li><li>Card</li></ul>
<p>End of the FAQ.</p>
</body></html>
HTML
abiword --to=rtf -o "$here/abiword-faq.rtf" faq.html

# Hand-made in the styles of WordPad and older Word (metafiles, lists, right-to-left).
python3 "$here/make-handmade.py" "$here"
