#!/usr/bin/python3
"""Every text the windows show is translated in every language, and none is left outside tr().

usage: check_translations.py LUPDATE SOURCE_DIR WORK_DIR

1. lupdate collects the marked texts from src/ into a fresh catalogue; each translations/*.ts must
   translate every one of them (finished, with the same %n markers and a mnemonic where the English
   has one) and hold none that the sources no longer mark.
2. A user-visible setter given a plain literal with letters is a text that lupdate cannot see.
"""
import pathlib
import re
import subprocess
import sys
import xml.etree.ElementTree as ET

lupdate, source_dir, work_dir = sys.argv[1:4]
source = pathlib.Path(source_dir)
fresh = pathlib.Path(work_dir) / "sources.ts"
fresh.unlink(missing_ok=True)
subprocess.run([lupdate, "-silent", "-locations", "none", str(source / "src"), "-ts", str(fresh)], check=True)


def messages(path):
    found = {}
    for context in ET.parse(path).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            translation = message.find("translation")
            found[(name, message.findtext("source"))] = translation
    return found


def markers(text):
    return sorted(re.findall(r"%\d", text))


def has_mnemonic(text):
    return re.search(r"&[^&\s]", text.replace("&&", "")) is not None


problems = []
wanted = messages(fresh)
if not wanted:
    problems.append("lupdate found no texts in src/")
catalogues = sorted((source / "translations").glob("gavelor_*.ts"))
if len(catalogues) < 4:
    problems.append(f"only {len(catalogues)} translations in translations/")
for catalogue in catalogues:
    have = messages(catalogue)
    for key in sorted(wanted.keys() - have.keys()):
        problems.append(f"{catalogue.name}: untranslated {key}")
    for key in sorted(have.keys() - wanted.keys()):
        problems.append(f"{catalogue.name}: no longer in the sources {key}")
    for key in sorted(wanted.keys() & have.keys()):
        translation = have[key]
        text = translation.text or ""
        if translation.get("type") or not text.strip():
            problems.append(f"{catalogue.name}: unfinished {key}")
        elif markers(text) != markers(key[1]):
            problems.append(f"{catalogue.name}: markers differ {key} -> {text!r}")
        elif has_mnemonic(key[1]) and not has_mnemonic(text):
            problems.append(f"{catalogue.name}: mnemonic lost {key} -> {text!r}")

literal = r'(?:QStringLiteral|QLatin1String|QString::fromLatin1|QString::fromUtf8)\(\s*"[^"]*[A-Za-z][^"]*"'
shown = re.compile(
    r"(?:setText|setWindowTitle|setToolTip|setTitle|setPlaceholderText|setStatusTip|setWhatsThis|addItems?"
    r"|addTab\([^,()]*,|Prompts::\w+\([^,()]*,"
    r"|new\s+(?:QLabel|QPushButton|QRadioButton|QCheckBox|QGroupBox|Frame|CaptionButton)|newButton)"
    r"\s*\(?\s*\{?\s*" + literal)
for folder in ("common", "platform", "scoreboard", "setup", "startup", "sale"):
    for path in sorted((source / "src" / folder).glob("*.cpp")):
        text = path.read_text(encoding="utf-8")
        for match in shown.finditer(text):
            line = text.count("\n", 0, match.start()) + 1
            problems.append(f"{path.relative_to(source)}:{line}: shown text outside tr(): {match.group(0)!r}")

for problem in problems:
    print(problem)
sys.exit(1 if problems else 0)
