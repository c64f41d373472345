#!/usr/bin/env python3
"""Writes the sample server tree examples/server/distanstest/: the test list, three
small Swedish tests and their pictures, so that the program runs with no server set up.

The files are what a web server would hold: Windows-1252 text with CR LF line ends.
A web test is field 0 (a six-digit number whose fourth to sixth digits are the number
of questions, which the loader turns into the scroll maximum), then ten lines per
question (cells 0..9), then an end question whose cell 0 is "SLUT".
The web format splits a line at every comma, so no cell may hold one.

Pictures are drawn with ImageMagick's convert. A click-in-picture question ("KLIC",
cell 8 "bild") shows the file named "bild" of its test; its cell 7 gives the target
area in twips of the picture window, where the picture sits at 250, 150 and one
pixel is 15 twips. The target drawn in each picture and cell 7 come from the same
numbers below.

Run from anywhere: python3 scripts/make_examples.py
"""
import pathlib
import subprocess

ROOT = pathlib.Path(__file__).resolve().parent.parent / "examples" / "server" / "distanstest"
FONT = "DejaVu-Sans"
FONT_BOLD = "DejaVu-Sans-Bold"


def target_cell(left, top, right, bottom):
    """Cell 7 for a target drawn at these picture pixels."""
    def x(px):
        return px * 15 + 250

    def y(py):
        return py * 15 + 150
    return "X%04d-%04d.Y%04d-%04d" % (x(left), x(right), y(top), y(bottom))


def write_text(path, lines):
    for line in lines:
        assert "," not in line and "\r" not in line and "\n" not in line, line
        assert not line.startswith((" ", "\t", '"')), line
    path.parent.mkdir(parents=True, exist_ok=True)
    path.write_bytes("".join(line + "\r\n" for line in lines).encode("cp1252"))


def write_test(name, questions):
    folder = name[:-4]
    lines = ["100%03d" % len(questions)]
    for q in questions:
        assert len(q) == 10, q
        lines += q
    lines += ["SLUT"] + [""] * 9
    write_text(ROOT / folder / name, lines)


def convert(*args):
    subprocess.run(["convert", *args], check=True)


def question(heading, text, rows, picture="bild", target="", note=""):
    """One question: heading (cell 0), text (1), up to five answer rows (2..6), target
    area (7), picture (8) and a note the program carries along unread (9)."""
    rows = list(rows) + [""] * (5 - len(rows))
    return [heading, text, *rows, target, picture, note]


# --- fysik1 -------------------------------------------------------------------
MAGNET_NORTH = (80, 120, 200, 180)  # left, top, right, bottom in picture pixels


def fysik1():
    folder = ROOT / "fysik1"
    folder.mkdir(parents=True, exist_ok=True)
    convert("-size", "320x300", "xc:white",
            "-fill", "none", "-stroke", "black", "-strokewidth", "3",
            "-draw", "circle 160,150 160,40",
            "-fill", "black", "-draw", "circle 160,150 164,150",
            "-strokewidth", "2", "-draw", "line 160,150 270,150",
            "-stroke", "none", "-font", FONT, "-pointsize", "24",
            "-annotate", "+208+140", "r",
            "-type", "Palette", "-compress", "None", f"BMP3:{folder / 'cirkel.bmp'}")
    left, top, right, bottom = MAGNET_NORTH
    convert("-size", "400x300", "xc:#eeeeee",
            "-font", FONT_BOLD, "-pointsize", "20", "-fill", "#333333",
            "-annotate", "+140+60", "Stavmagnet",
            "-fill", "#d02020", "-draw", f"rectangle {left},{top} {right - 1},{bottom - 1}",
            "-fill", "#2040c0", "-draw", f"rectangle {right},{top} {320 - 1},{bottom - 1}",
            "-fill", "white", "-pointsize", "36",
            "-annotate", "+128+165", "N", "-annotate", "+248+165", "S",
            "-strip", "-define", "png:exclude-chunks=date,time", f"PNG24:{folder / 'bild'}")
    write_test("fysik1.tst", [
        question("Fråga 1  Krafter", "I vilken enhet mäts kraft?",
                 ["r newton", "f joule", "f watt", "f pascal", "reserv"],
                 note="Kapitel 2 i boken"),
        question("Fråga 2  Ljus",
                 "Vilka påståenden om ljus är sanna? Det kan finnas flera rätta svar.",
                 ["r Ljus kan färdas genom vakuum", "f Ljus behöver luft för att färdas",
                  "r Ljusets fart i vakuum är ungefär 300 000 km/s",
                  "f Vitt ljus består av en enda färg",
                  "f Ljus bryts aldrig när det går in i vatten"]),
        question("Fråga 3  Cirkeln",
                 "Bilden visar en cirkel med radien r. Vilken formel ger cirkelns omkrets O?",
                 ["f O = pi·r²", "r O = 2·pi·r", "f O = 2·r", "f O = pi·r", "reserv"],
                 picture="cirkel.bmp"),
        question("KLIC Klicka på magnetens nordpol",
                 "Klicka i bilden på den ände av magneten som är nordpol.",
                 ["r Besvarad", "f Miss", "", "", "reserv"],
                 target=target_cell(*MAGNET_NORTH)),
        question("SVAR Förklara", "Förklara med egna ord varför en isbit flyter på vatten.",
                 ["", "", "", "", "reserv"]),
    ])


# --- geografi -----------------------------------------------------------------
GOTLAND = (300, 115, 360, 225)  # the bounding box of the island, picture pixels


def geografi():
    folder = ROOT / "geografi"
    folder.mkdir(parents=True, exist_ok=True)
    convert("-size", "420x320", "xc:#8ec9ee",
            "-fill", "#9ccc7a", "-stroke", "#4c7a3a", "-strokewidth", "2",
            "-draw", "polygon 0,0 300,0 310,60 330,120 300,170 320,230 280,320 0,320",
            "-fill", "#3b83c4", "-stroke", "#2a5f90", "-strokewidth", "1",
            "-draw", "ellipse 200,150 70,14 0,360",
            "-fill", "#e01010", "-stroke", "black", "-draw", "circle 290,150 297,150",
            "-stroke", "none", "-fill", "#202020", "-font", FONT, "-pointsize", "16",
            "-annotate", "+165+190", "Mälaren", "-annotate", "+320+290", "Östersjön",
            "-font", FONT_BOLD, "-pointsize", "22", "-fill", "#e01010",
            "-annotate", "+300+138", "?",
            f"GIF:{folder / 'karta.gif'}")
    left, top, right, bottom = GOTLAND
    cx, cy = (left + right) // 2, (top + bottom) // 2
    convert("-size", "440x340", "xc:#8ec9ee",
            "-fill", "#9ccc7a", "-stroke", "#4c7a3a", "-strokewidth", "2",
            "-draw", "polygon 0,0 170,0 180,60 160,130 185,200 165,270 150,340 0,340",
            "-draw", "ellipse 215,220 9,50 0,360",
            "-draw", f"ellipse {cx},{cy} {(right - left) // 2},{(bottom - top) // 2} 0,360",
            "-stroke", "none", "-fill", "#202020", "-font", FONT, "-pointsize", "18",
            "-annotate", "+35+180", "Sverige", "-annotate", "+240+320", "Östersjön",
            "-strip", "-define", "png:exclude-chunks=date,time", f"PNG24:{folder / 'bild'}")
    write_test("geografi.tst", [
        question("Fråga 1  Huvudstäder", "Vilken stad är Norges huvudstad?",
                 ["f Bergen", "r Oslo", "f Trondheim", "f Stavanger", "reserv"]),
        question("BILDSVAR Staden på kartan",
                 "Vilken stad är markerad med en röd punkt på kartan? Skriv stadens namn.",
                 ["r Stockholm", "", "", "", "reserv"], picture="karta.gif"),
        question("KLIC Klicka på Gotland",
                 "Kartan visar en del av Östersjön. Klicka på ön Gotland.",
                 ["r Besvarad", "f Miss", "", "", "reserv"], target=target_cell(*GOTLAND)),
        question("Fråga 4  Landskap", "Vilka av landskapen ligger i Norrland?",
                 ["r Lappland", "f Skåne", "r Jämtland", "f Småland", "r Ångermanland"]),
        question("SVAR Beskriv",
                 "Beskriv kort hur inlandsisen har format det svenska landskapet.",
                 ["", "", "", "", "reserv"]),
    ])


# --- prov1 (an exam: its name begins with "prov") ---------------------------------
def prov1():
    folder = ROOT / "prov1"
    folder.mkdir(parents=True, exist_ok=True)
    convert("-size", "480x200", "gradient:#4a9be8-#d4ecff",
            "(", "-size", "480x120", "gradient:#5fb04a-#2f7a2a", ")", "-append",
            "-fill", "#ffd700", "-stroke", "#f0a000", "-strokewidth", "3",
            "-draw", "circle 400,60 400,100",
            "-stroke", "none", "-fill", "#6b4423", "-draw", "rectangle 110,150 126,250",
            "-fill", "#2e8b2e", "-draw", "circle 118,130 118,70",
            "-fill", "#ff4060", "-draw", "circle 250,270 254,270",
            "-draw", "circle 300,290 304,290", "-draw", "circle 360,265 364,265",
            "-fill", "#ffffff", "-draw", "circle 280,250 284,250",
            "-draw", "circle 400,285 404,285",
            "-quality", "85", "-strip", f"JPEG:{folder / 'foto.jpg'}")
    write_test("prov1.tst", [
        question("Fråga 1  Växter", "Vad behöver en växt för att kunna göra fotosyntes?",
                 ["r Solljus", "r Koldioxid", "f Syre", "r Vatten", "f Socker"]),
        question("Fråga 2  Årstider", "Vilken årstid visar bilden?",
                 ["f Vinter", "r Sommar", "f Höst", "f Vår", "reserv"], picture="foto.jpg"),
        question("Fråga 3  Djur", "Vilket av djuren är ett däggdjur?",
                 ["f Gädda", "r Älg", "f Huggorm", "f Gråsparv", "reserv"]),
        question("SVAR Motivera", "Varför är bin viktiga för många växter? Motivera ditt svar.",
                 ["", "", "", "", "reserv"]),
    ])


def main():
    fysik1()
    geografi()
    prov1()
    write_text(ROOT / "tester.txt", ["fysik1.tst", "geografi.tst", "prov1.tst"])


if __name__ == "__main__":
    main()
