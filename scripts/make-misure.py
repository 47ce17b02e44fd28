#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Velmo authors
"""Writes data/misure.csv: the household measures of the catalogue's foods in Italian.

Reads the source's measures (portions.csv of the USDA SR28 files), data/catalogo.csv and the
translation table data/misure_traduzioni.csv (English measure, optionally one food's ndb, a
quantity that replaces the source's, the Italian name, its plural where the rule below does not
give it). "-" drops a measure. "[amount]" puts the source's amount, in inches, into the name
(a 6-inch sandwich is one sandwich of 15 cm). Inches in the Italian name are written [3-1/4] and become cm here.
Fails, naming what is missing, on a measure without a translation or a word without a plural.

    scripts/make-misure.py ../shared/data/sr28/portions.csv
"""
import csv
import re
import sys
from fractions import Fraction
from pathlib import Path

DATA = Path(__file__).resolve().parent.parent / "data"

# The head of a measure (its words before a comma, a parenthesis or a preposition) takes the
# plural; these are all its words.
PLURALS = {
    "tazza": "tazze", "cucchiaio": "cucchiai", "cucchiaino": "cucchiaini", "fetta": "fette",
    "fettina": "fettine", "pezzo": "pezzi", "pezzetto": "pezzetti", "grande": "grandi",
    "medio": "medi", "media": "medie", "piccolo": "piccoli", "piccola": "piccole",
    "molto": "molto", "o": "o", "sottile": "sottili", "spessa": "spesse", "cruda": "crude",
    "tonda": "tonde", "mela": "mele", "pera": "pere", "nespola": "nespole", "oliva": "olive",
    "fungo": "funghi", "cipolla": "cipolle", "cipollotto": "cipollotti", "zucchina": "zucchine",
    "pomodoro": "pomodori", "rapa": "rape", "gambero": "gamberi", "vongola": "vongole",
    "cozza": "cozze", "biscotto": "biscotti", "biscottino": "biscottini", "ravanello": "ravanelli",
    "fragola": "fragole", "fico": "fichi", "peperone": "peperoni", "pesca": "pesche",
    "noce": "noci", "mandarino": "mandarini", "patata": "patate", "arancia": "arance",
    "muffin": "muffin", "cetriolino": "cetriolini", "carota": "carote", "banana": "banane",
    "cetriolo": "cetrioli", "pompelmo": "pompelmi", "girella": "girelle", "bagel": "bagel",
    "ostrica": "ostriche", "melone": "meloni", "anguria": "angurie", "mignon": "mignon",
    "scatolina": "scatoline", "marshmallow": "marshmallow", "nocciola": "nocciole",
    "mezzo": "mezzi", "gheriglio": "gherigli", "pinolo": "pinoli", "mandorla": "mandorle",
    "pistacchio": "pistacchi", "confezione": "confezioni", "bustina": "bustine",
    "doppia": "doppie", "ricciolo": "riccioli", "polpetta": "polpette", "schiacciata": "schiacciate",
    "hamburger": "hamburger", "baccello": "baccelli", "arachide": "arachidi",
    "peperoncino": "peperoncini", "fagiano": "fagiani", "pizza": "pizze", "intera": "intere",
    "intero": "interi", "trancio": "tranci", "tortina": "tortine", "incartata": "incartate",
    "singolarmente": "singolarmente", "cotto": "cotti", "cestino": "cestini", "pita": "pite",
    "pomodoro perino": "pomodori perini", "baccello": "baccelli", "melograno": "melograni",
    "prugna": "prugne", "snocciolata": "snocciolate", "quaglia": "quaglie", "lampone": "lamponi",
    "ricetta": "ricette", "costina": "costine", "anello": "anelli", "arrosto": "arrosti",
    "panino": "panini", "lungo": "lunghi", "sardina": "sardine", "würstel": "würstel",
    "porzione": "porzioni", "bicchiere": "bicchieri", "bicchierino": "bicchierini",
    "zolletta": "zollette", "coppetta": "coppette", "ossobuco": "ossibuchi",
    "cima": "cime", "punta": "punte", "asparago": "asparagi", "gelatina": "gelatine",
    "speziata": "speziate", "rametto": "rametti", "cavoletto": "cavoletti", "piccione": "piccioni",
    "quadrotto": "quadrotti", "gambo": "gambi", "bistecca": "bistecche", "panetto": "panetti",
    "bastoncino": "bastoncini", "grissino": "grissini", "striscia": "strisce",
    "listarella": "listarelle", "sovracoscia": "sovracosce", "coscia": "cosce",
    "tortilla": "tortillas", "salatino": "salatini", "intrecciato": "intrecciati", "cono": "coni",
    "pallina": "palline", "spicchio": "spicchi", "mazzo": "mazzi", "finocchio": "finocchi",
    "fava": "fave", "petto": "petti", "tacchino": "tacchini", "bottiglia": "bottiglie",
    "barbabietola": "barbabietole", "fagiolino": "fagiolini", "mirtillo": "mirtilli",
    "tavoletta": "tavolette", "stecco": "stecchi", "cioccolatino": "cioccolatini",
    "sacchetto": "sacchetti", "dorso": "dorsi", "albicocca": "albicocche", "carciofo": "carciofi",
    "avocado": "avocado", "acciuga": "acciughe", "savoiardo": "savoiardi", "sfogliatina": "sfogliatine",
    "cracker": "cracker", "crackerino": "crackerini", "quadrato": "quadrati",
    "rettangolare": "rettangolari", "tondo": "tondi", "granchio": "granchi",
    "cornetto": "cornetti", "dado": "dadi", "cubetto": "cubetti", "galletta": "gallette",
    "torta": "torte", "scatola": "scatole", "scatoletta": "scatolette", "barattolo": "barattoli",
    "lattina": "lattine", "cappone": "capponi", "cappella": "cappelle", "carota": "carote",
    "brick": "brick", "ciliegia": "ciliegie", "pollo": "polli", "patatina": "patatine",
    "fritta": "fritte", "costoletta": "costolette", "braciola": "braciole", "vasetto": "vasetti",
    "monoporzione": "monoporzioni", "fettina": "fettine", "pizzico": "pizzichi",
    "dattero": "datteri", "ciambella": "ciambelle", "bombolone": "bomboloni", "ovale": "ovali",
    "treccia": "trecce", "fusello": "fuselli", "anatra": "anatre", "taco": "tacos",
    "pannocchia": "pannocchie", "uovo": "uova", "filetto": "filetti", "pesce": "pesci",
    "fiore": "fiori", "cimetta": "cimette", "ananas": "ananas", "clementina": "clementine",
    "kiwi": "kiwi", "lime": "lime", "cachi": "cachi", "limone": "limoni", "susina": "susine",
    "nashi": "nashi", "litchi": "litchi", "sbucciato": "sbucciati", "mango": "mango",
    "fico d'india": "fichi d'India", "sbucciato": "sbucciati", "papaia": "papaie",
    "oca": "oche", "acino": "acini", "faraona": "faraone", "gommosa": "gommose",
    "orsetto": "orsetti", "gommoso": "gommosi", "dinosauro": "dinosauri",
    "pesciolino": "pesciolini", "vermetto": "vermetti", "metà": "metà", "frutto": "frutti",
    "cespo": "cespi", "cavolo": "cavoli", "cavolfiore": "cavolfiori", "cuore": "cuori",
    "glassata": "glassate", "foglia": "foglie", "interna": "interne", "esterna": "esterne",
    "porro": "porri", "fegatino": "fegatini", "astice": "astici", "pane": "pani",
    "azzimo": "azzimi", "rognone": "rognoni", "noce di cocco": "noci di cocco",
    "tortilla": "tortillas", "salsiccia": "salsicce", "cotta": "cotte", "gigante": "giganti",
    "rigaglie": "rigaglie", "taglio": "tagli", "tuorlo": "tuorli", "albume": "albumi",
    "rametto": "rametti", "snocciolato": "snocciolati", "secco": "secchi", "fegato": "fegati", "aragosta": "aragoste", "pomodorino": "pomodorini", "surgelata": "surgelate", "castagna": "castagne", "cotogna": "cotogne",
}
# A preposition, comma or parenthesis ends a measure's head.
HEAD_END = re.compile(r"\s*[(,;]| (di|da|con|senza|a|in|per|né|del|della|dello|alla|al)\b| (all|dell|d)'")


def plural(singular):
    match = HEAD_END.search(singular)
    head, tail = (singular[: match.start()], singular[match.start():]) if match else (singular, "")
    for phrase, many in PLURALS.items():
        if " " in phrase and head.lower() == phrase:
            return many + tail
    words = []
    for word in head.split(" "):
        if word.lower() not in PLURALS:
            raise SystemExit(f"no plural for '{word}' in '{singular}'")
        words.append(PLURALS[word.lower()])
    return " ".join(words) + tail


def inches(text):
    """'3-1/4' inches as cm rounded as a cook reads a size: tenths below 1 cm, halves below 10."""
    whole, _, part = text.partition("-") if "/" in text.partition("-")[2] else (text, "", "")
    value = Fraction(whole) + (Fraction(part) if part else 0)
    cm = float(value) * 2.54
    if cm < 1:
        rounded = max(round(cm, 1), 0.1)
    elif cm < 10:
        rounded = round(cm * 2) / 2
    else:
        rounded = round(cm)
    shown = f"{rounded:.1f}".rstrip("0").rstrip(".")
    return shown.replace(".", ",")


def italian(text):
    return re.sub(r"\[([0-9/.-]+)\]", lambda m: inches(m.group(1)), text)


def amount(text):
    value = float(text)
    return f"{value:g}"


def main():
    portions = Path(sys.argv[1] if len(sys.argv) > 1 else DATA.parent.parent / "shared/data/sr28/portions.csv")
    catalogue = {row["ndb"] for row in csv.DictReader(open(DATA / "catalogo.csv", encoding="utf-8"))}
    table = {}
    for row in csv.DictReader(open(DATA / "misure_traduzioni.csv", encoding="utf-8")):
        table[(row["misura_inglese"], row["ndb"])] = row
    out = []
    missing = set()
    for row in csv.DictReader(open(portions, encoding="utf-8")):
        if row["ndb"] not in catalogue:
            continue
        entry = table.get((row["measure"], row["ndb"])) or table.get((row["measure"], ""))
        if entry is None:
            missing.add(row["measure"])
            continue
        if entry["misura"] == "-":
            continue
        # "6 inch sub": the source's amount is the size of one piece.
        name = italian(entry["misura"].replace("[amount]", f"[{amount(row['amount'])}]"))
        many = italian(entry["misura_plurale"]) if entry["misura_plurale"] else plural(name)
        out.append([row["ndb"], row["seq"], amount(entry["quantita"] or row["amount"]), name, many,
                    row["grams"], row["measure"]])
    if missing:
        raise SystemExit("no translation for: " + "; ".join(sorted(missing)))
    with open(DATA / "misure.csv", "w", encoding="utf-8", newline="") as file:
        writer = csv.writer(file, lineterminator="\n")
        writer.writerow(["ndb", "ordine", "quantita", "misura", "misura_plurale", "grammi_edibili",
                         "misura_inglese"])
        writer.writerows(out)


if __name__ == "__main__":
    main()
