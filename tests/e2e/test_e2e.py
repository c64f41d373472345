"""End-to-end runs of the real program: a pupil's road, an exam, a picture-click question, a
teacher's road and the window's looks. Each run makes its own test tree, serves it on
127.0.0.1, starts lumivo on its own virtual display and drives it only with the mouse and the
keyboard; then it reads the files the program wrote."""

import glob
import os
import shutil
import struct
import tempfile
import time
import unittest
import zlib

from lumivo_e2e import (MAIN_TITLE, Display, Lumivo, Screen, WebServer, px, wait_for)

CRLF = "\r\n"

# Places of the main window's controls in twips: left, top, width, height.
LABEL2 = (720, 480, 1800, 300)
LABEL3 = (7935, 7320, 1050, 660)
LABEL6 = (960, 480, 7215, 495)
TXT_HEADING = (600, 1560, 8175, 405)
TXT_QUESTION = (600, 2040, 8175, 1725)
ROW_TOPS = {2: 3960, 3: 4560, 4: 5160, 5: 5760, 6: 6360}
TXTSVAR = (600, 3960, 8295, 2895)
VSCROLL = (75, 1920, 375, 5055)
BACKA = (2880, 7320, 1935, 735)
NASTA = (5400, 7320, 1935, 735)
AVSLUTA = (10200, 7440, 1575, 495)
LADDA = (9960, 2880, 2055, 375)
LIST1 = (9960, 3240, 2055, 2790)
# A spot of bare window background that the start picture covers while it is shown.
BARE = (520, 7600)


def checkbox(row):
    return (600, ROW_TOPS[row], 255, 315)


def question(heading, text, rows=(), cell7="", cell8="bild", cell9=""):
    rows = list(rows) + [""] * (5 - len(rows))
    return [heading, text, *rows, cell7, cell8, cell9]


def end_marker():
    return question("SLUT", "", cell8="")


def write_test(root, name, questions, field0):
    folder = os.path.join(root, "distanstest", name[:-4])
    os.makedirs(folder, exist_ok=True)
    cells = [c for q in questions for c in q]
    with open(os.path.join(folder, name), "wb") as f:
        f.write((CRLF.join([field0, *cells]) + CRLF).encode("cp1252"))
    return folder


def write_list(root, names):
    os.makedirs(os.path.join(root, "distanstest"), exist_ok=True)
    with open(os.path.join(root, "distanstest", "tester.txt"), "wb") as f:
        f.write((CRLF.join(names) + CRLF).encode("cp1252"))


def png(width, height, colour, target=None, target_colour=(255, 0, 0)):
    """A small PNG: one colour, with an optional rectangle (x1, y1, x2, y2) in pixels."""
    rows = []
    for y in range(height):
        row = bytearray([0])
        for x in range(width):
            inside = target and target[0] <= x < target[2] and target[1] <= y < target[3]
            row += bytes(target_colour if inside else colour)
        rows.append(bytes(row))

    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data +
                struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))

    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0,
                                                              0, 0)) +
            chunk(b"IDAT", zlib.compress(b"".join(rows))) + chunk(b"IEND", b""))


def number_text(n):
    return ("-" if n < 0 else " ") + str(abs(n))


def printed_number(n):
    return number_text(n) + " "


def answers_file(infil, name, klass, score, marks, typed):
    """The answers file as the rules give it; the date and time line is masked."""
    lines = ["Prov " + infil, "<datum tid>", f"{name} {klass}", "Antal Rätt= " + number_text(score)]
    for q in range(201):
        lines.append("Fråga nr " + printed_number(q + 1))
        for r in range(2, 7):
            lines.append(printed_number(marks.get((q, r), 0)))
        lines.append(typed.get(q, ""))
    return (CRLF.join(lines) + CRLF).encode("cp1252")


def mask_line(data, index):
    lines = data.split(b"\r\n")
    lines[index] = b"<datum tid>"
    return b"\r\n".join(lines)


class Run(unittest.TestCase):
    """One program run: a display, a server over a tree made by the test, a working folder."""

    def setUp(self):
        self.tmp = tempfile.mkdtemp(prefix="lumivo-e2e-")
        self.tree = os.path.join(self.tmp, "server")
        self.work = os.path.join(self.tmp, "work")
        os.makedirs(self.tree)
        os.makedirs(self.work)
        self.display = Display()
        self.server = None
        self.app = None

    def tearDown(self):
        if self.app:
            self.app.close()
        if self.server:
            self.server.close()
        self.display.close()
        shutil.rmtree(self.tmp, ignore_errors=True)

    def start(self, name, klass):
        self.server = WebServer(self.tree)
        self.app = Lumivo(self.display, self.server.address, self.work, self.id().split(".")[-1])
        # The sign-in comes before the main window.
        self.app.answer_input("^NAMN$", name)
        self.assertEqual(self.app.windows("^Lumivo   ver 8.0"), [])
        self.app.answer_input("^KLASS\\?$", klass)
        self.app.main_window()
        self.wait_start_picture_gone()

    def bare(self):
        x, y = self.app.point(*BARE)
        return Screen(self.display).pixel(x, y) == "#000040"

    def wait_start_picture_gone(self):
        """The start picture covers the window from its start until about a second after a
        load; wait until it has been seen and is gone again."""
        try:
            wait_for("the start picture", lambda: not self.bare(), timeout=3)
        except AssertionError:
            pass  # already gone again
        wait_for("the start picture to go", self.bare, timeout=20)

    def click(self, place, **kw):
        self.app.click_control(*place, **kw)

    def pick_first_test_and_load(self):
        left, top, width, _ = LIST1
        self.app.click_at(left + width // 2, top + 130)
        self.click(LADDA)
        self.wait_start_picture_gone()

    def pixel(self, shot, left, top):
        x, y = self.app.point(left, top)
        return shot.pixel(x, y)


class PupilRoad(Run):
    def test_whole_road_writes_both_files_and_ends(self):
        write_list(self.tree, ["ovning.tst", "prov1.tst"])
        write_test(self.tree, "ovning.tst", [
            question("Fråga ett", "Vilken är rätt?", ["r Den här", "f Inte den", "f Nej", "f Nej",
                                                      "f Nej"]),
            question("SVAR Skriv", "Skriv ett ord.", []),
            question("Fråga tre", "Två är rätt.", ["f A", "r B", "r C", "f D", "reserv"]),
            question("Fråga fyra", "Sista frågan.", ["r Ja", "f Nej"]),
            end_marker()], "100004")
        write_test(self.tree, "prov1.tst", [question("P", "p", ["r x"]), end_marker()], "100001")
        self.start("Elev", "7A")
        self.pick_first_test_and_load()

        self.click(checkbox(2))                      # question 1: the right row
        self.click(NASTA)                            # question 2: a typed answer
        self.click(TXTSVAR)
        self.app.type_text("Ett svar")
        self.click(NASTA)                            # question 3
        self.click(checkbox(3))
        self.click(checkbox(5))
        self.click(BACKA)                            # back to question 2
        left, top, width, height = VSCROLL
        down_arrow = (left + width // 2, top + height - 120)
        self.app.click_at(*down_arrow)               # the scroll bar: question 3
        self.app.click_at(*down_arrow)               # question 4, the last one
        self.app.message_text_and_ok()               # "SISTA FRÅGAN"
        self.click(checkbox(2))
        self.click(LABEL3)                           # "RÄTTA ?": a green frame round row 2
        shot = self.app.screenshot("pupil-checked.png")
        self.assertEqual(self.pixel(shot, 480 + 15, ROW_TOPS[2] + 300), "#00FF00")
        self.click(LABEL2)                           # the score for three seconds
        self.click(AVSLUTA)
        self.assertEqual(self.app.wait_ended(), 0)

        marks = {(0, 2): 1, (2, 3): 1, (2, 5): 1, (3, 2): 1}
        # A pick from the server's list names the test "ovning.tst", so the file of the test is
        # "ovning.tst.tst" and the base name "ovning.tst.txt".
        expected = answers_file("ovning.tst.tst", "Elev", "7A", 2, marks, {1: "Ett svar"})
        path = os.path.join(self.work, "7A Elev  2ovning.tst.txt")
        self.assertTrue(os.path.exists(path), os.listdir(self.work))
        with open(path, "rb") as f:
            self.assertEqual(mask_line(f.read(), 1), expected)
        with open(os.path.join(self.work, "Fel7A Elev  2ovning.tst.txt"), "rb") as f:
            wrong = f.read().split(b"\r\n")
        self.assertTrue(wrong[0].startswith("Fel7A Elev  2ovning.tst.txt ".encode("cp1252")))
        self.assertEqual(wrong[1:], ["Fråga 3 Två är rätt.".encode("cp1252"), b""])


class ExamRoad(Run):
    def test_exam_hides_the_list_loader_score_and_check(self):
        write_list(self.tree, ["prov1.tst"])
        write_test(self.tree, "prov1.tst", [
            question("Prov", "Ett prov.", ["r Ja", "f Nej"]),
            question("Prov två", "Andra.", ["f Ja", "r Nej"]), end_marker()], "100002")
        self.start("Elev", "8B")
        shot = self.app.screenshot("exam-before.png")
        self.assertEqual(self.pixel(shot, LIST1[0] + 60, LIST1[1] + 2000), "#FFFFFF")
        self.pick_first_test_and_load()
        shot = self.app.screenshot("exam-loaded.png")
        for left, top in [(LIST1[0] + 60, LIST1[1] + 2000), (LADDA[0] + 60, LADDA[1] + 60),
                          (LABEL3[0] + 525, LABEL3[1] + 330)]:
            self.assertEqual(self.pixel(shot, left, top), "#000040", (left, top))
        self.click(AVSLUTA)
        self.assertEqual(self.app.wait_ended(), 0)
        self.assertTrue(os.path.exists(os.path.join(self.work, "8B Elev  0prov1.tst.txt")))


class PictureClick(Run):
    TARGET = "X0590-1040.Y0150-0465"

    def make_tree(self):
        write_list(self.tree, ["bilder.tst"])
        folder = write_test(self.tree, "bilder.tst", [
            question("BILD Titta", "Titta på bilden.", ["r Ja", "f Nej"], cell8="karta.png"),
            question("KLIC Klicka", "Klicka på den röda rutan.", ["r Besvarad", "f Miss"],
                     cell7=self.TARGET),
            end_marker()], "100002")
        with open(os.path.join(folder, "karta.png"), "wb") as f:
            f.write(png(200, 120, (200, 220, 255)))
        # The target in picture pixels: window twips less the picture's place (250, 150) and
        # the judgement's offsets (240, 135) roughly cancel; draw it where a click is a hit.
        with open(os.path.join(folder, "bild"), "wb") as f:
            f.write(png(200, 120, (255, 255, 255), target=(25, 2, 52, 20)))

    def click_picture(self, xp, yp):
        window = self.app.wait_window("^BILD")
        x, y, _, _ = self.app.geometry(window)
        # Image1 lies at 250, 150 twips in the picture window.
        sx, sy = x + px(250) + xp, y + px(150) + yp
        self.app.xdo("mousemove", "--sync", str(sx - 3), str(sy - 3))
        self.app.xdo("mousemove", "--sync", str(sx), str(sy))
        time.sleep(0.1)
        self.app.xdo("click", "1")

    def test_click_inside_and_outside(self):
        self.make_tree()
        self.start("Elev", "9C")
        self.pick_first_test_and_load()
        self.app.wait_window("^BILD")
        self.click(NASTA)                          # the picture-click question: the last one
        self.app.message_text_and_ok()             # "SISTA FRÅGAN"
        # Inside: picture x in (350, 800) twips and y in (15, 330) twips.
        self.click_picture(px(575), px(170))
        self.app.message_text_and_ok()             # "BRA Du hittade RÄTT"
        self.app.screenshot("picture-hit.png")
        self.click(AVSLUTA)
        self.assertEqual(self.app.wait_ended(), 0)
        with open(os.path.join(self.work, "9C Elev  1bilder.tst.txt"), "rb") as f:
            lines = f.read().split(b"\r\n")
        block = 4 + 7  # the second question's block
        self.assertEqual(lines[block:block + 3], [b"Fr\xe5ga nr  2 ", b" 1 ", b" 0 "])

    def test_click_outside_is_a_miss(self):
        self.make_tree()
        self.start("Elev", "9C")
        self.pick_first_test_and_load()
        self.app.wait_window("^BILD")
        self.click(NASTA)
        self.app.message_text_and_ok()             # "SISTA FRÅGAN"
        self.click_picture(px(1500), px(1000))
        self.app.message_text_and_ok()             # "SORRY!"
        self.click(AVSLUTA)
        self.assertEqual(self.app.wait_ended(), 0)
        with open(os.path.join(self.work, "9C Elev  0bilder.tst.txt"), "rb") as f:
            lines = f.read().split(b"\r\n")
        block = 4 + 7
        self.assertEqual(lines[block:block + 3], [b"Fr\xe5ga nr  2 ", b" 1 ", b" 1 "])


class TeacherRoad(Run):
    def test_teacher_edits_and_saves_a_question(self):
        write_list(self.tree, ["kemi.tst"])
        cells = [question("Kemi", "Vad är H2O?", ["r Vatten", "f Salt", "f Luft"]),
                 question("Kemi två", "Vad är NaCl?", ["f Vatten", "r Salt"]), end_marker()]
        write_test(self.tree, "kemi.tst", cells, "100002")
        self.start("lx", "")
        self.pick_first_test_and_load()
        # Edit the question text and tick the right row again (ticks were cleared by the load).
        self.click(TXT_QUESTION)
        self.app.xdo("key", "ctrl+a")
        self.app.type_text("Vad heter H2O?")  # xdotool types ASCII reliably
        self.click(checkbox(2))
        self.click(LABEL6)
        self.app.answer_input("^Ange filnamn$", "Ny")
        saved = wait_for("the saved test", lambda: glob.glob(os.path.join(self.work, "*Ny.tst")))
        with open(saved[0], "rb") as f:
            data = f.read()
        cells[0][1] = "Vad heter H2O?"
        cells[0][2:7] = ["r Vatten", "f Salt", "f Luft", "f ", "f "]
        table = [q[:10] for q in cells] + [[""] * 10 for _ in range(201 - len(cells))]
        expected = ("15sek 099Max" + CRLF + "".join(c + CRLF for q in table for c in q))
        self.assertEqual(data, expected.encode("cp1252"))
        # The list now shows the working folder's tests: one entry, drawn in dark text.
        shot = self.app.screenshot("teacher-saved.png")
        x0, y0 = self.app.point(LIST1[0], LIST1[1])
        dark = [shot.pixel(x, y) for x in range(x0 + 2, x0 + 120) for y in range(y0 + 2, y0 + 16)
                if shot.pixel(x, y) < "#606060"]
        self.assertTrue(dark, "no entry drawn in List1")


class Looks(Run):
    def test_colours_and_caption(self):
        write_list(self.tree, ["ovning.tst"])
        write_test(self.tree, "ovning.tst", [
            question("Rubrik", "Text.", ["r A", "f B"]), end_marker()], "100001")
        self.start("Elev", "7A")
        window = self.app.main_window()
        self.assertEqual(self.app.xdo("getwindowname", window).rstrip("\n"), MAIN_TITLE)
        self.app.screenshot("look-started.png")
        self.pick_first_test_and_load()
        shot = self.app.screenshot("look-loaded.png")
        self.assertEqual(self.pixel(shot, *BARE), "#000040")
        self.assertEqual(self.pixel(shot, 8500, 1700), "#000080")   # heading background
        # The heading's text colour, somewhere in the text.
        x0, y0 = self.app.point(600, 1560)
        colours = {shot.pixel(x, y) for x in range(x0, x0 + 200) for y in range(y0, y0 + 26)}
        self.assertIn("#FFFF80", colours)
        self.assertEqual(self.pixel(shot, 8500, ROW_TOPS[2] + 300), "#000040")  # answer row
        self.assertClose(self.pixel(shot, AVSLUTA[0] + 80, AVSLUTA[1] + 250), "#FFC0C0")
        self.assertClose(self.pixel(shot, LADDA[0] + 80, LADDA[1] + 180), "#C0FFC0")

    def assertClose(self, got, want, tolerance=24):
        a = [int(got[i:i + 2], 16) for i in (1, 3, 5)]
        b = [int(want[i:i + 2], 16) for i in (1, 3, 5)]
        self.assertTrue(all(abs(x - y) <= tolerance for x, y in zip(a, b)), f"{got} vs {want}")


if __name__ == "__main__":
    unittest.main()
