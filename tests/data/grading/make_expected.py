#!/usr/bin/env python3
"""Builds the result files that "AVSLUTA" must write for each attempt in scenarios.json.

Written from the file rules alone, apart from the program's code, so that the grading tests
compare the program with an independent construction. Run it from anywhere; it rewrites
expected/<scenario>/ with the answers file and the wrong-answers file under their exact names.

The rules, as this script applies them:
  * score: over all 201 question slots and rows 2..6, +1 for a ticked row beginning "r ",
    -1 for a ticked row beginning "f ";
  * number text: a blank (or the minus sign) and the digits; printed number: that and a blank;
  * base name: INFIL without its last four characters, then ".txt" ("" when INFIL is shorter);
  * answers file name: KLASS, " ", ANVÄNDARE, " ", number text of the score, base name; without a
    class ANVÄNDARE, " ", base name; the characters / \\ : * ? " < > | and control characters
    become "_"; wrong-answers file name: "Fel" and that name;
  * answers file: "Prov " INFIL / date " " time / ANVÄNDARE " " KLASS / "Antal Rätt= " number
    text / then per slot "Fråga nr " printed number of q+1, the printed marks of rows 2..6 and the
    typed answer;
  * wrong-answers file: its name " " time " " date, then "Fråga" number text of q+1, " ", cell 1
    for every slot with an unticked "r " row or a ticked "f " row;
  * Windows-1252, CR LF after every line.
"""
import json
import os
import shutil

HERE = os.path.dirname(os.path.abspath(__file__))
SLOTS = 201
DATE, TIME = "2026-12-18", "09:05:07"  # the tests' fixed clock unless a scenario sets its own


def number_text(n):
    return ("-" if n < 0 else " ") + str(abs(n))


def printed_number(n):
    return number_text(n) + " "


def safe(name):
    out = "".join("_" if c in '/\\:*?"<>|' or ord(c) < 0x20 or 0x7F <= ord(c) <= 0x9F else c
                  for c in name)
    if out in ("", ".", ".."):
        out = "_" * max(len(out), 1)
    return out


class Attempt:
    def __init__(self):
        self.cells = [[""] * 11 for _ in range(SLOTS)]
        self.marks = [[0] * 11 for _ in range(SLOTS)]
        self.typed = [""] * SLOTS

    def load(self, questions):
        for q in questions:
            for c, text in enumerate(q["cells"]):
                self.cells[q["q"]][c] = text
            for r in q.get("ticks", []):
                self.marks[q["q"]][r] = 1
            if "typed" in q:
                self.typed[q["q"]] = q["typed"]

    def clear_ticks(self):
        for row in self.marks:
            for r in range(1, 7):
                row[r] = 0

    def score(self):
        s = 0
        for q in range(SLOTS):
            for r in range(2, 7):
                if self.marks[q][r] == 1:
                    if self.cells[q][r].startswith("r "):
                        s += 1
                    elif self.cells[q][r].startswith("f "):
                        s -= 1
        return s

    def wrong(self, q):
        for r in range(2, 7):
            cell, mark = self.cells[q][r], self.marks[q][r]
            if (cell.startswith("r ") and mark == 0) or (cell.startswith("f ") and mark == 1):
                return True
        return False


def build(sc):
    a = Attempt()
    a.load(sc["questions"])
    infil = sc["INFIL"]
    if "reload" in sc:
        a.clear_ticks()
        a.load(sc["reload"]["questions"])
        infil = sc["reload"]["INFIL"]
    user, klass = sc["ANVÄNDARE"], sc["KLASS"]
    date, time = sc.get("date", DATE), sc.get("time", TIME)
    score = a.score()

    base = infil[:-4] + ".txt" if len(infil) >= 4 else ""
    if klass:
        name = safe(klass + " " + user + " " + number_text(score) + base)
    else:
        name = safe(user + " " + base)
    wrong_name = "Fel" + name

    lines = ["Prov " + infil, date + " " + time, user + " " + klass,
             "Antal Rätt= " + number_text(score)]
    for q in range(SLOTS):
        lines.append("Fråga nr " + printed_number(q + 1))
        lines += [printed_number(a.marks[q][r]) for r in range(2, 7)]
        lines.append(a.typed[q])
    answers = "".join(line + "\r\n" for line in lines)

    lines = [wrong_name + " " + time + " " + date]
    lines += ["Fråga" + number_text(q + 1) + " " + a.cells[q][1] for q in range(SLOTS)
              if a.wrong(q)]
    wrong = "".join(line + "\r\n" for line in lines)
    return {name: answers.encode("cp1252"), wrong_name: wrong.encode("cp1252")}


def main():
    with open(os.path.join(HERE, "scenarios.json"), encoding="utf-8") as f:
        scenarios = json.load(f)["scenarios"]
    out = os.path.join(HERE, "expected")
    shutil.rmtree(out, ignore_errors=True)
    for sc in scenarios:
        folder = os.path.join(out, sc["name"])
        os.makedirs(folder)
        for name, data in build(sc).items():
            with open(os.path.join(folder, name), "wb") as f:
                f.write(data)


if __name__ == "__main__":
    main()
