#!/usr/bin/env python3
"""The floor check itself: a scratch tree with each kind of wrong include must fail."""
import os
import shutil
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import check_floors  # noqa: E402

SRC = os.environ.get("PINTORA_SRC", os.path.join(os.path.dirname(__file__), "..", "..", "src"))
QT = os.environ.get("PINTORA_QT_INCLUDE", "/usr/include/x86_64-linux-gnu/qt6")


class FloorCheck(unittest.TestCase):
    def setUp(self):
        self.scratch = tempfile.mkdtemp()
        self.src = os.path.join(self.scratch, "src")
        shutil.copytree(SRC, self.src)

    def tearDown(self):
        shutil.rmtree(self.scratch)

    def write(self, relative, text):
        path = os.path.join(self.src, relative)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "w", encoding="utf-8") as source:
            source.write(text)

    def problems(self):
        return check_floors.check(self.src, QT)

    def test_the_real_tree_keeps_its_floors(self):
        self.assertEqual(self.problems(), [])

    def test_a_lower_folder_including_a_window_fails_with_file_line_and_rule(self):
        self.write("core/history/Scratch.cpp", '#include "core/history/HistoryFile.h"\n#include "ui/shell/Forms.h"\n')
        self.assertEqual(
            self.problems(),
            ["core/history/Scratch.cpp:2: ui/shell/Forms.h: core/history is on the lower floor "
             "and may not include the upper floor"])

    def test_a_lower_folder_including_one_above_it_fails(self):
        self.write("core/mail/mime/Scratch.cpp", '#include "core/history/HistoryFile.h"\n')
        [problem] = self.problems()
        self.assertIn("core/mail/mime may include only folders below it", problem)

    def test_a_widget_header_on_the_lower_floor_fails(self):
        self.write("core/common/Scratch.cpp", "#include <QString>\n#include <QLineEdit>\n")
        [problem] = self.problems()
        self.assertEqual(problem, "core/common/Scratch.cpp:2: QLineEdit: the lower floor includes no window header")

    def test_one_window_family_reaching_another_fails(self):
        self.write("ui/viewer/Scratch.cpp", '#include "ui/compose/WriteForm.h"\n#include "ui/shell/Forms.h"\n')
        [problem] = self.problems()
        self.assertIn("ui/viewer reaches ui/compose only through Forms", problem)

    def test_a_long_file_fails(self):
        self.write("core/common/Scratch.cpp", "// line\n" * 601)
        [problem] = self.problems()
        self.assertIn("over 600 lines", problem)

    def test_the_command_exits_1_and_names_the_violation(self):
        self.write("core/common/Scratch.h", '#include "ui/common/Prompt.h"\n')
        from io import StringIO
        from contextlib import redirect_stdout
        out = StringIO()
        sys.argv = ["check_floors.py", self.src, QT]
        with redirect_stdout(out):
            status = check_floors.main()
        self.assertEqual(status, 1)
        self.assertIn("core/common/Scratch.h:1: ui/common/Prompt.h", out.getvalue())


if __name__ == "__main__":
    unittest.main()
