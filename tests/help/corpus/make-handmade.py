#!/usr/bin/env python3
# Hand-made corpus documents in the styles of WordPad and older Word, which no tool on Debian
# writes: metafiles (a WMF as WordPad pastes it, an EMF with the WMF copy Word writes beside it for
# older readers, an EMF alone), lists numbered by the list table or by \pn with no number spelled
# out, Symbol-font bullets, right-to-left paragraphs with their alignment, line spacing and small
# capitals. Run by make-corpus.sh: make-handmade.py <folder>
import struct
import sys

here = sys.argv[1]


def record(function, *words, raw=b''):
    body = b''.join(struct.pack('<h', w) for w in words) + raw
    return struct.pack('<IH', 3 + len(body) // 2, function) + body


def wmf(width, height, rgb):
    """A metafile that fills its whole window with one colour, without a placeable header."""
    r, g, b = rgb
    records = [record(0x020B, 0, 0), record(0x020C, height, width),  # window origin and extent
               record(0x02FC, raw=struct.pack('<HBBBBH', 0, r, g, b, 0, 0)), record(0x012D, 0),  # solid brush
               record(0x02FA, raw=struct.pack('<HhhBBBB', 5, 0, 0, 0, 0, 0, 0)), record(0x012D, 1),  # no pen
               record(0x041B, height, width, 0, 0), record(0x0000)]  # rectangle, end
    body = b''.join(records)
    longest = max(len(r) // 2 for r in records)
    return struct.pack('<HHHIHIH', 1, 9, 0x0300, 9 + len(body) // 2, 2, longest, 0) + body


def emf():
    """An enhanced metafile of a header and its end: nothing on Debian that may be linked draws one."""
    header = struct.pack('<II4i4i4sIIIHHIIII2i', 1, 88, 0, 0, 100, 100, 0, 0, 2540, 2540, b' EMF', 0x10000,
                         108, 2, 0, 0, 0, 0, 0, 0, 1024, 768)
    return header + struct.pack('<IIIII', 14, 20, 0, 16, 20)


def pict(kind, data):
    # 3 by 2 cm: 1701 by 1134 twips, 3000 by 2000 hundredths of a millimetre.
    return '{\\pict\\%s\\picw3000\\pich2000\\picwgoal1701\\pichgoal1134 %s}' % (kind, data.hex())


metafiles = ('{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss Arial;}}\r\n'
             '\\pard WordPad picture:\\par\r\n' + pict('wmetafile8', wmf(300, 200, (30, 144, 255))) + '\\par\r\n'
             'Word picture:\\par\r\n{\\*\\shppict' + pict('emfblip', emf()) + '}'
             '{\\nonshppict' + pict('wmetafile8', wmf(300, 200, (0, 128, 0))) + '}\\par\r\n'
             'Clip art:\\par\r\n' + pict('emfblip', emf()) + '\\par\r\n}\r\n')
with open('%s/wordpad-metafiles.rtf' % here, 'w', newline='') as f:
    f.write(metafiles)

lists = r"""{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}{\f1\ftech\fcharset2 Symbol;}}
{\colortbl;\red0\green0\blue0;}
{\*\listtable{\list\listtemplateid1{\listlevel\levelnfc0\levelstartat1\levelfollow0{\leveltext\'02\'00.;}{\levelnumbers\'01;}\fi-360\li720}{\listlevel\levelnfc4\levelstartat1\levelfollow0{\leveltext\'03\'00.\'01;}{\levelnumbers\'01\'03;}\fi-360\li1440}\listid10}
{\list\listtemplateid2{\listlevel\levelnfc23\levelstartat1\levelfollow0{\leveltext\'01\u-3913 ?;}{\levelnumbers;}\f1\fi-360\li720}\listid20}}
{\*\listoverridetable{\listoverride\listid10\listoverridecount0\ls1}{\listoverride\listid20\listoverridecount0\ls2}}
\pard\plain Conditions:\par
\pard\ls1\ilvl0\fi-360\li720 Lots are sold as seen\par
\pard\ls1\ilvl1\fi-360\li1440 Including frames\par
\pard\ls1\ilvl0\fi-360\li720 Payment on the day\par
\pard\ls2\ilvl0\fi-360\li720 Cash or card\par
\pard\plain Older Word:\par
\pard{\*\pn\pnlvlbody\pnucrm\pnstart1{\pntxta )}}\fi-360\li720 Register\par
\pard{\*\pn\pnlvlbody\pnucrm\pnstart1{\pntxta )}}\fi-360\li720 Bid\par
\pard{\*\pn\pnlvlblt\pnf1{\pntxtb\'b7}}\fi-360\li720 Pay\par
\pard\plain Symbol text: {\f1\'b7} and \u-3913 ?.\par
\pard\rtlpar\qr \u1502?\u1499?\u1497?\u1512?\u1492? right\par
\pard\rtlpar\ql \u1502?\u1499?\u1497?\u1512?\u1492? left\par
\pard\sl-600\slmult0 Exactly thirty points\par
\pard{\scaps Small caps} and {\caps all caps}\par
}
"""
with open('%s/word-lists.rtf' % here, 'w', newline='') as f:
    f.write(lists)
