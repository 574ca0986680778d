"""The page's declaration of the core's calls (web/js/core.d.ts) against the
bindings the C++ makes: the site's module binds exactly what CoreModule
declares, the tests' calls exactly what TestingModule adds, and no module of
the page calls a binding the site's module lacks."""
import pathlib
import re
import sys
import unittest

ROOT = pathlib.Path(__file__).resolve().parents[2]
BINDING = re.compile(r'emscripten::function\("(\w+)"')


def bound(source):
    return set(BINDING.findall((ROOT / "src/web" / source).read_text(encoding="utf-8")))


def declared(interface):
    text = (ROOT / "web/js/core.d.ts").read_text(encoding="utf-8")
    body = re.search(r"export interface " + interface + r"\b[^{]*\{(.*?)\n\}", text, re.S).group(1)
    return set(re.findall(r"^\s+(\w+)\(", body, re.M))


class BindingsTest(unittest.TestCase):
    def test_the_declaration_matches_the_bindings(self):
        self.assertEqual(declared("CoreModule"), bound("web_entry.cpp"))
        self.assertEqual(declared("TestingModule"), bound("web_test_entry.cpp"))

    def test_the_page_calls_only_what_the_site_binds(self):
        site = bound("web_entry.cpp")
        for script in sorted((ROOT / "web/js").glob("*.js")):
            called = set(re.findall(r"\bmodule\.(\w+)\(", script.read_text(encoding="utf-8")))
            with self.subTest(script=script.name):
                self.assertLessEqual(called, site)


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1])
