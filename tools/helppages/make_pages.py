#!/usr/bin/env python3
r"""Turns the tutorial's page sources into the RTF pages of help/.

    python3 tools/helppages/make_pages.py tools/helppages/pages help
    python3 tools/helppages/make_pages.py --english tools/helppages/pages/en help/en

Each source nN.txt is UTF-8 text, one paragraph per line:
  # heading          ## subheading
  - bullet item      1. numbered item
  > formula line (bold, dark red)
  !a|b|c             a table's heading row; |a|b|c a row (cells at tab stops)
  %tabs 1000 2000    tab stops (twips) for the table rows that follow
  [b]..[/b] bold, [i]..[/i] italic, [c]..[/c] dark red, inline
Cyrillic is written as \'hh in code page 1251; characters outside it (arrows,
logic signs) as \uN with an ASCII fallback, each in a group of its own.
With --english the page declares code page 1252 and a Western font, and every
character outside ASCII is written as \uN, so that no reader has to guess
what a byte above 127 means.
"""
import re, sys, pathlib

HEADER = (r"{\rtf1\ansi\ansicpg1251\deff0\uc1" "\n"
          r"{\fonttbl{\f0\fswiss\fcharset204 Arial;}}" "\n"
          r"{\colortbl;\red0\green0\blue0;\red0\green64\blue128;\red150\green0\blue0;}" "\n"
          r"\viewkind4\pard\plain\f0\fs22\cf1" "\n")
ENGLISH_HEADER = HEADER.replace(r"\ansicpg1251", r"\ansicpg1252").replace(r"\fcharset204", r"\fcharset0")
FALLBACK = {"→": ">", "↔": "~", "∧": "&", "∨": "v", "×": "x", "≠": "#", "⇒": ">", "…": ".",
            "—": "-", "–": "-", "“": '"', "”": '"', "‘": "'", "’": "'", "•": "*", "¬": "!",
            "≡": "=", "⊕": "+", "«": '"', "»": '"'}
ENGLISH = False
BODY = r"\fs22\cf1 "

def cp1251_byte(ch):
    if ENGLISH:
        return None
    try:
        return ch.encode("cp1251")[0]
    except UnicodeEncodeError:
        return None

def esc_text(s):
    out = []
    for ch in s:
        o = ord(ch)
        if ch in "\\{}":
            out.append("\\" + ch)
        elif o < 128:
            out.append(ch)
        elif cp1251_byte(ch) is not None:
            out.append("\\'%02x" % cp1251_byte(ch))
        else:
            if o > 0xFFFF:
                raise SystemExit("character outside the BMP: %r" % ch)
            n = o if o < 32768 else o - 65536
            fb = FALLBACK.get(ch, "?")
            out.append("{\\u%d%s}" % (n, fb))
    return "".join(out)

INLINE = re.compile(r"\[(/?)([bic])\]")
def inline(s):
    parts, pos = [], 0
    for m in INLINE.finditer(s):
        parts.append(esc_text(s[pos:m.start()]))
        close, kind = m.group(1) == "/", m.group(2)
        if kind == "b": parts.append(r"\b0 " if close else r"\b ")
        elif kind == "i": parts.append(r"\i0 " if close else r"\i ")
        else: parts.append(r"\cf1 " if close else r"\cf3 ")
        pos = m.end()
    parts.append(esc_text(s[pos:]))
    r = "".join(parts)
    return r

def convert(text, name):
    out = [ENGLISH_HEADER if ENGLISH else HEADER]
    tabs = None
    opened = {"[b]": 0, "[i]": 0, "[c]": 0}
    for lineno, line in enumerate(text.splitlines(), 1):
        for tag in opened:
            if line.count(tag) != line.count(tag[0] + "/" + tag[1:]):
                raise SystemExit("%s:%d: unbalanced %s" % (name, lineno, tag))
        if not line.strip():
            continue
        if line.startswith("%tabs"):
            tabs = [int(t) for t in line.split()[1:]]
            continue
        if line.startswith("# "):
            out.append(r"\pard\sb0\sa240\fs32\b\cf2 " + inline(line[2:]) + r"\b0" + BODY + r"\par")
        elif line.startswith("## "):
            out.append(r"\pard\sb200\sa100\fs26\b\cf2 " + inline(line[3:]) + r"\b0" + BODY + r"\par")
        elif line.startswith("- "):
            out.append(r"\pard\fi-280\li560\tx560\sa60 " + esc_text("•") + r"\tab " + inline(line[2:]) + r"\par")
        elif re.match(r"\d+\. ", line):
            num, rest = line.split(" ", 1)
            out.append(r"\pard\fi-280\li560\tx560\sa60 " + num + r"\tab " + inline(rest) + r"\par")
        elif line.startswith("> "):
            out.append(r"\pard\li560\sb60\sa60\b\cf3 " + inline(line[2:]) + r"\b0\cf1\par")
        elif line[0] in "|!":
            cells = [c.strip() for c in line[1:].split("|")]
            stops = tabs or [1200 * (i + 1) for i in range(len(cells) - 1)]
            if len(stops) < len(cells) - 1:
                raise SystemExit("%s:%d: %d cells, %d tab stops" % (name, lineno, len(cells), len(stops)))
            head = r"\pard\li560" + "".join(r"\tx%d" % (560 + t) for t in stops) + r"\sa0 "
            body = r"\tab ".join(inline(c) for c in cells)
            if line[0] == "!":
                body = r"\b " + body + r"\b0"
            out.append(head + body + r"\par")
        else:
            out.append(r"\pard\sa100 " + inline(line) + r"\par")
        if line[0] not in "|!":
            tabs = None
    out.append("}")
    return "\n".join(out) + "\n"

def main():
    global ENGLISH
    args = sys.argv[1:]
    if args and args[0] == "--english":
        ENGLISH, args = True, args[1:]
    src, dst = pathlib.Path(args[0]), pathlib.Path(args[1])
    for page in sorted(src.glob("n*.txt")):
        rtf = convert(page.read_text(encoding="utf-8"), page.name)
        (dst / (page.stem + ".rtf")).write_bytes(rtf.encode("ascii"))
        print(page.stem, len(page.read_text(encoding="utf-8").splitlines()), "source lines,", len(rtf), "bytes")

main()
