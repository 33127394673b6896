#!/usr/bin/env python3
"""The translation check rejects each kind of fault and passes a good file."""

import sys
import tempfile
import unittest
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))
import check_ts  # noqa: E402


def ts(language, *messages, context="GameTexts"):
    body = ""
    for source, text, kind in messages:
        attribute = f' type="{kind}"' if kind else ""
        body += f"<message><source>{source}</source><translation{attribute}>{text}</translation></message>"
    return (f'<?xml version="1.0" encoding="utf-8"?><!DOCTYPE TS><TS version="2.1" language="{language}">'
            f"<context><name>{context}</name>{body}</context></TS>")


class CheckTs(unittest.TestCase):
    def setUp(self):
        self.folder = tempfile.TemporaryDirectory()
        self.addCleanup(self.folder.cleanup)

    def write(self, name, text):
        path = Path(self.folder.name, name)
        path.write_text(text, encoding="utf-8")
        return str(path)

    def problems(self, *message, language="de_DE", name="tavolux_de.ts", context="GameTexts"):
        return check_ts.check([self.write(name, ts(language, *message, context=context))])

    def assertRejected(self, words, *message, **kwargs):
        problems = self.problems(*message, **kwargs)
        self.assertEqual(len(problems), 1, problems)
        self.assertIn(words, problems[0])

    def test_a_complete_file_passes(self):
        self.assertEqual(self.problems(("Player #%1:", "Spieler %1:", ""), ("&amp;Game", "&amp;Spiel", ""),
                                       ("a\nb", "c\nd", ""), ("Click &amp; drag it.", "Klicken &amp; ziehen.", "")), [])

    def test_unfinished_vanished_obsolete_and_empty_entries_fail(self):
        for kind in ("unfinished", "vanished", "obsolete"):
            self.assertRejected(f"is {kind}", ("Ready.", "Bereit.", kind))
        self.assertRejected("empty translation", ("Ready.", " ", ""))

    def test_arguments_must_match_the_source(self):
        self.assertRejected("arguments", ("Player #%1:", "Spieler:", ""))
        self.assertRejected("arguments", ("%1 of %2", "%1 von %1", ""))
        self.assertRejected("arguments", ("Ready.", "Bereit %1.", ""))
        self.assertEqual(self.problems(("%1 of %2", "%2 de %1", "")), [])

    def test_line_breaks_and_mnemonics_must_match_the_source(self):
        self.assertRejected("line breaks", ("Player #%1,\nhas moved\n", "Spieler %1 ist fertig\n", ""))
        self.assertRejected("mnemonics", ("&amp;Game", "Spiel", ""))
        self.assertRejected("mnemonics", ("&amp;Game", "&amp;Sp&amp;iel", ""))

    def test_french_punctuation_keeps_its_non_breaking_space(self):
        for wrong in ("Ligne %1 : %2", "Relevé ; plein", "Relevé; plein", "Fini !", "Quoi?", "« %1 »",
                      "«\u00a0%1 »", "«%1\u00a0»", "Joueur ?\u00a0:"):
            self.assertTrue(check_ts.french_spacing_faults(wrong), wrong)
        for right in ("Ligne %1\u00a0: %2", "Relevé\u202f; plein", "Fini\u00a0!!!", "«\u00a0%1\u00a0»",
                      "Voir https://example.org", "12:30", "Prêt.",
                      "«\u00a0Start: opening\u00a0»"):
            self.assertEqual(check_ts.french_spacing_faults(right), [], right)
        french = {"language": "fr_FR", "name": "tavolux_fr.ts"}
        self.assertRejected("French spacing", ("Line %1: %2", "Ligne %1 : %2", ""), **french)
        self.assertEqual(self.problems(("Line %1: %2", "Ligne %1\u00a0: %2", ""), **french), [])
        # Other languages write their own way.
        self.assertEqual(self.problems(("Line %1: %2", "Zeile %1: %2", "")), [])

    def test_the_language_must_match_the_file_name(self):
        self.assertRejected("does not match", ("Ready.", "Prêt.", ""), language="fr_FR")
        self.assertEqual(self.problems(("Ready.", "就绪。", ""), language="zh_CN", name="tavolux_zh_CN.ts"), [])
        self.assertRejected("does not match", ("Ready.", "就绪。", ""), language="zh_TW", name="tavolux_zh_CN.ts")

    def test_every_language_holds_the_same_texts(self):
        german = self.write("tavolux_de.ts", ts("de_DE", ("Ready.", "Bereit.", ""), ("Hint", "Tipp", "")))
        french = self.write("tavolux_fr.ts", ts("fr_FR", ("Ready.", "Prêt.", "")))
        problems = check_ts.check([german, french])
        self.assertEqual(len(problems), 1, problems)
        self.assertIn("tavolux_fr.ts: lacks GameTexts: 'Hint'", problems[0])

    def test_unreadable_files_fail(self):
        self.assertIn("cannot be read", check_ts.check([self.write("tavolux_de.ts", "<TS>")])[0])
        self.assertIn("cannot be read", check_ts.check([str(Path(self.folder.name, "tavolux_es.ts"))])[0])

    def test_the_command_fails_on_a_fault_and_passes_good_files(self):
        good = self.write("tavolux_de.ts", ts("de_DE", ("Ready.", "Bereit.", "")))
        bad = self.write("tavolux_es.ts", ts("es_ES", ("Ready.", "", "unfinished")))
        self.assertEqual(check_ts.main(["check_ts.py", good]), 0)
        self.assertEqual(check_ts.main(["check_ts.py", good, bad]), 1)
        self.assertEqual(check_ts.main(["check_ts.py"]), 2)


if __name__ == "__main__":
    unittest.main()
