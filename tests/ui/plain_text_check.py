#!/usr/bin/env python3
# Fails on any Text whose text is not a single string literal and that lacks
# "textFormat: Text.PlainText": Qt's default AutoText renders a string that
# looks like markup as rich text, so a process named '<font size="7">x' would
# show huge. The root Text of a file counts as bound, since its users give the
# text. Objects and properties are read line by line, as the screens are
# written: "Text {" opens a block, and its own properties are the lines one
# level deeper (or what follows the brace on the same line).
import re
import sys
from pathlib import Path

STRING = re.compile(r'"(?:[^"\\]|\\.)*"' + r"|'(?:[^'\\]|\\.)*'")
TEXT_OPENS = re.compile(r'(?:^|[\s:])(?:Text|Label)\s*\{')
LITERAL = re.compile(r'^\s*"(?:[^"\\]|\\.)*"\s*$')


def blanked(line):
    """The line with string contents blanked out, as long as before."""
    return STRING.sub(lambda match: match.group(0)[0] + ' ' * (len(match.group(0)) - 2) + match.group(0)[-1], line)


def code_of(line):
    """The line without string contents and comments, for braces and names."""
    return blanked(line).split('//', 1)[0]


def properties(text):
    """Name and value of each "name: value" in a piece of an object body."""
    code = blanked(text)
    start = 0
    for end in [i for i, c in enumerate(code) if c == ';'] + [len(text)]:
        match = re.match(r'\s*([\w.]+)\s*:\s*(.*?)\s*$', text[start:end])
        if match:
            yield match.group(1), match.group(2)
        start = end + 1


def check(path):
    faults = []
    depth = 0
    open_texts = []  # [depth inside the block, line number, bound, plain]
    for number, line in enumerate(path.read_text(encoding='utf-8').splitlines(), 1):
        code = code_of(line)
        own = [block for block in open_texts if block[0] == depth]
        for block in own:
            for name, value in properties(line):
                if name == 'text':
                    block[2] = block[2] or not LITERAL.match(value)
                elif name == 'textFormat':
                    block[3] = value == 'Text.PlainText'
        opened = TEXT_OPENS.search(code)
        if opened:
            block = [depth + 1, number, depth == 0, False]
            rest = line[line.index('{', opened.start()) + 1:].rsplit('}', 1)[0]
            for name, value in properties(rest):
                if name == 'text':
                    block[2] = block[2] or not LITERAL.match(value)
                elif name == 'textFormat':
                    block[3] = value == 'Text.PlainText'
            open_texts.append(block)
        depth += code.count('{') - code.count('}')
        for block in [b for b in open_texts if depth < b[0]]:
            open_texts.remove(block)
            if block[2] and not block[3]:
                faults.append(f'{path}:{block[1]}: a Text shows a bound text without textFormat: Text.PlainText')
    return faults


def main(roots):
    faults = []
    for root in roots:
        for path in sorted(Path(root).rglob('*.qml')):
            faults += check(path)
    print('\n'.join(faults) if faults else 'Every bound Text is plain text.')
    return 1 if faults else 0


if __name__ == '__main__':
    sys.exit(main(sys.argv[1:]))
