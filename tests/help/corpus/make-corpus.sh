#!/bin/sh
# Makes the help-reader corpus: small documents written by real word processors. Needs
# LibreOffice Writer (soffice), pandoc and python3; the results are committed, so the tests
# need none of them. Run from anywhere: ./make-corpus.sh
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
