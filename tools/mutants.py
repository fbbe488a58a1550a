#!/usr/bin/env python3
"""Mutation check: does every test still catch the faults it is there for?

Applies each mutant of a fixed list to a scratch copy of the source tree,
one at a time, rebuilds the tests there and runs them. A mutant is killed
when at least one test fails; one that every test passes has survived.
Prints each mutant with the tests that killed it, then the kill rate. The
slow tests (the namespace tests of discovery) run only for a mutant that
every other test lets through.

  tools/mutants.py [--list tools/mutants.txt] [--scratch build-mutants]
                   [--only ID,ID...] [--jobs N] [--check]

--check only checks that every mutant still applies to the source tree.

The list holds one block per mutant:

  ## ID path/to/file.cpp | what the mutant does
  - text of the original, one or more lines
  + its replacement, none or more lines (none: the text is removed)

The original must occur exactly once in the file, so that the list keeps
meaning what it says as the code changes.
"""

import argparse
import os
import re
import shutil
import subprocess
import sys
import time

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(HERE)
TARGETS = ['kelmo', 'kelmo-tests', 'kelmo-fuzz-replay']


def parse(path):
    mutants, current = [], None
    with open(path, encoding='utf-8') as f:
        for number, line in enumerate(f, 1):
            line = line.rstrip('\n')
            if line.startswith('## '):
                m = re.match(r'## (\S+) (\S+) \| (.+)$', line)
                if not m:
                    sys.exit(f'{path}:{number}: expected "## ID FILE | WHAT"')
                current = {'id': m.group(1), 'file': m.group(2), 'what': m.group(3), 'old': [], 'new': []}
                mutants.append(current)
            elif line.startswith('- ') or line == '-':
                current['old'].append(line[2:])
            elif line.startswith('+ ') or line == '+':
                current['new'].append(line[2:])
            elif line.strip() and not line.startswith('#'):
                sys.exit(f'{path}:{number}: a line must begin with "## ", "- " or "+ "')
    for m in mutants:
        m['old'] = '\n'.join(m['old'])
        m['new'] = '\n'.join(m['new'])
    return mutants


def run(command, cwd, log=None, timeout=None):
    result = subprocess.run(command, cwd=cwd, stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True,
                            timeout=timeout)
    if log:
        with open(log, 'a', encoding='utf-8') as f:
            f.write(result.stdout)
    return result


def copy_tree(scratch):
    tree = os.path.join(scratch, 'tree')
    files = subprocess.run(['git', 'ls-files', '-z', '--cached', '--others', '--exclude-standard'], cwd=ROOT,
                           stdout=subprocess.PIPE, check=True).stdout.decode().split('\0')
    for name in filter(None, files):
        source = os.path.join(ROOT, name)
        target = os.path.join(tree, name)
        if not os.path.isfile(source):
            continue
        os.makedirs(os.path.dirname(target), exist_ok=True)
        if not os.path.exists(target) or open(source, 'rb').read() != open(target, 'rb').read():
            shutil.copy2(source, target)
    return tree


# Tests that take long; a mutant is run against them only when the others
# all pass.
SLOW_TESTS = 'discovery_daemons'


def failed_tests(build):
    # ctest names the tests that failed, one per line, after its summary;
    # Qt Test names each failing function in their output.
    tests, functions = [], set()
    for selection in (['-E', SLOW_TESTS], ['-R', SLOW_TESTS]):
        result = run(['ctest', '--timeout', '120', '-j2', '--output-on-failure'] + selection, cwd=build, timeout=3600)
        tests = re.findall(r'^\s*\d+ - (\S+) \(', result.stdout, re.M)
        functions = sorted(set(re.findall(r'FAIL!\s*:\s*(\w+::\w+)\(', result.stdout, re.M)))
        if tests:
            break
    return tests + (['(' + ' '.join(functions) + ')'] if functions else [])


def main():
    parser = argparse.ArgumentParser(description=__doc__.split('\n')[0])
    parser.add_argument('--list', default=os.path.join(HERE, 'mutants.txt'))
    parser.add_argument('--scratch', default=os.path.join(ROOT, 'build-mutants'))
    parser.add_argument('--only', default='')
    parser.add_argument('--jobs', default=str(os.cpu_count() or 2))
    parser.add_argument('--check', action='store_true')
    args = parser.parse_args()

    mutants = parse(args.list)
    if args.check:
        stale = [m['id'] for m in mutants
                 if open(os.path.join(ROOT, m['file']), encoding='utf-8').read().count(m['old']) != 1]
        folders = sorted({os.path.dirname(m['file']) for m in mutants})
        print(f"{len(mutants)} mutants in {', '.join(folders)}" + (f"; stale: {' '.join(stale)}" if stale else ''))
        return 1 if stale else 0
    if args.only:
        wanted = set(args.only.split(','))
        mutants = [m for m in mutants if m['id'] in wanted]
    os.environ['QT_QPA_PLATFORM'] = 'offscreen'
    os.makedirs(args.scratch, exist_ok=True)
    log = os.path.join(args.scratch, 'build.log')
    open(log, 'w').close()
    tree = copy_tree(args.scratch)
    build = os.path.join(tree, 'build')

    # Stale entries first: every original must be found exactly once.
    stale = []
    for m in mutants:
        text = open(os.path.join(tree, m['file']), encoding='utf-8').read()
        if text.count(m['old']) != 1:
            stale.append(f"{m['id']} {m['file']}: the original occurs {text.count(m['old'])} times")
    if stale:
        sys.exit('stale mutants:\n  ' + '\n  '.join(stale))

    def build_tests():
        return run(['cmake', '--build', build, '--parallel', args.jobs, '--target'] + TARGETS, cwd=tree,
                   log=log).returncode == 0

    # File by file: a mutant then rebuilds one file, not the whole library.
    configure = run(['cmake', '-S', tree, '-B', build, '-DCMAKE_BUILD_TYPE=Debug', '-DKELMO_UNITY_BUILD=OFF'],
                    cwd=tree, log=log)
    if configure.returncode != 0 or not build_tests():
        sys.exit(f'the unmutated tree does not build; see {log}')
    failed = failed_tests(build)
    if failed:
        sys.exit('the unmutated tree fails: ' + ' '.join(failed))

    killed, survived, broken = [], [], []
    started = time.monotonic()
    for m in mutants:
        path = os.path.join(tree, m['file'])
        original = open(path, encoding='utf-8').read()
        try:
            with open(path, 'w', encoding='utf-8') as f:
                f.write(original.replace(m['old'], m['new'], 1))
            if not build_tests():
                broken.append(m)
                verdict = 'DOES NOT BUILD'
            else:
                failed = failed_tests(build)
                (killed if failed else survived).append(m)
                verdict = 'killed by ' + ' '.join(failed) if failed else 'SURVIVED'
        finally:
            with open(path, 'w', encoding='utf-8') as f:
                f.write(original)
        print(f"{m['id']:5} {m['file']}: {m['what']}\n      {verdict}", flush=True)

    # Leave the scratch tree built as it was.
    build_tests()
    tried = len(killed) + len(survived)
    print(f'\n{len(killed)} of {tried} mutants killed ({100.0 * len(killed) / max(1, tried):.1f} %), '
          f'{len(broken)} did not build, in {time.monotonic() - started:.0f} s')
    if survived:
        print('survivors: ' + ' '.join(m['id'] for m in survived))
    return 0


if __name__ == '__main__':
    sys.exit(main())
