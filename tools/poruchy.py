#!/usr/bin/env python3
"""Runs the frozen fault list tests/poruchy.tsv: each fault alone, in a scratch copy of the tree.

For every row it replaces the row's text in its file, builds the test program that covers the file
(testy_nativni for "native" rows, testy_win32 under Wine for "win32" rows), runs it and records which
tests failed. The working tree is never changed. See README, "Building and testing".

  tools/poruchy.py                       every row, results into build/poruchy/vysledky.tsv
  tools/poruchy.py --only native --rows 1-50 --jobs 2
  tools/poruchy.py --compare tests/poruchy-pred.tsv     exit 1 when a fault caught then is not now
  tools/poruchy.py --summary tests/poruchy-pred.tsv     the caught count per file, without a run
"""
import argparse
import json
import os
import queue
import shutil
import signal
import subprocess
import sys
import threading
import time
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
LIST = ROOT / 'tests/poruchy.tsv'
SCRATCH = ROOT / 'build/poruchy'
# The native build of the scratch tree is optimised lightly and without debug information: a fault
# then rebuilds and links in about two seconds, and the tests run in one.
NATIVE_FLAGS = ['-DCMAKE_CXX_FLAGS_DEBUG=-O1 -g0']
PROGRAM = {'native': 'testy_nativni', 'win32': 'testy_win32'}
PRESET = {'native': 'native', 'win32': 'win64'}
RESULT_HEADER = 'row\tfile\ttests\toutcome\tseconds\tfailed'


def unescape(text):
    """The list writes a tab as \\t, a new line as \\n and a backslash as \\\\."""
    out, i = [], 0
    while i < len(text):
        if text[i] == '\\' and i + 1 < len(text):
            out.append({'t': '\t', 'n': '\n', '\\': '\\'}.get(text[i + 1], '\\' + text[i + 1]))
            i += 2
        else:
            out.append(text[i])
            i += 1
    return ''.join(out)


def read_list(path):
    """Rows as dicts, numbered from 1 after the header line."""
    rows = []
    lines = path.read_text(encoding='utf-8').splitlines()[1:]
    for number, line in enumerate(lines, 1):
        file, old, new, tests = line.split('\t')
        rows.append({'row': number, 'file': file, 'old': unescape(old), 'new': unescape(new),
                     'tests': tests})
    return rows


def select_rows(rows, only, spans):
    """The rows of spans such as "1-50,60-70" (all when none) and of one kind (both when none)."""
    wanted = set()
    for span in (spans or f'1-{len(rows)}').split(','):
        first, _, last = span.partition('-')
        wanted.update(range(int(first), int(last or first) + 1))
    return [r for r in rows if r['row'] in wanted and (not only or r['tests'] == only)]


def sync_tree(tree):
    """Makes the scratch tree a copy of the working tree's files, touching only what differs, so that
    its build stays incremental from one run to the next."""
    listed = subprocess.run(['git', 'ls-files', '-z', '--cached', '--others', '--exclude-standard'],
                            cwd=ROOT, capture_output=True, check=True).stdout.decode().split('\0')
    wanted = {f for f in listed if f and (ROOT / f).is_file()}
    for f in wanted:
        src, dst = ROOT / f, tree / f
        if not dst.is_file() or dst.read_bytes() != src.read_bytes():
            dst.parent.mkdir(parents=True, exist_ok=True)
            shutil.copyfile(src, dst)
        shutil.copymode(src, dst)  # the scripts stay executable
    for dst in tree.rglob('*'):
        rel = dst.relative_to(tree).as_posix()
        if dst.is_file() and not rel.startswith('build/') and rel not in wanted:
            dst.unlink()


def configure(tree, tests):
    build = tree / 'build' / PRESET[tests]
    if not (build / 'build.ninja').exists():
        extra = NATIVE_FLAGS if tests == 'native' else []
        subprocess.run(['cmake', '--preset', PRESET[tests], *extra], cwd=tree, check=True,
                       stdout=subprocess.DEVNULL)
    return build


def build(build_dir, tests):
    done = subprocess.run(['cmake', '--build', build_dir, '--target', PROGRAM[tests]],
                          capture_output=True, text=True)
    return done.returncode == 0, done.stdout[-3000:]


def win32_filter(file):
    """For src/.../NAME_win.cpp the suites of tests/win32/NAME_win_test.cpp and those named NAMEWin in
    any test file; none such: every test (slow)."""
    stem = Path(file).stem
    suites = []
    for test in sorted((ROOT / 'tests/win32').glob('*_test.cpp')):
        for line in test.read_text(encoding='utf-8').splitlines():
            if not line.startswith(('TEST(', 'TEST_F(', 'TEST_P(')):
                continue
            suite = line.split('(', 1)[1].split(',', 1)[0].strip()
            mine = test.name == stem + '_test.cpp' or suite.lower() == stem.replace('_', '').lower()
            if mine and suite not in suites:
                suites.append(suite)
    return ':'.join(s + '.*' for s in suites) or None


def win32_command(build_dir, *arguments):
    return [str(build_dir.parent.parent / 'tools/wine-run'), PROGRAM['win32'] + '.exe', *arguments]


def wine_env():
    """The scratch tree uses the project's Wine prefix and an Xvfb of its own."""
    env = dict(os.environ)
    env.setdefault('WINEPREFIX', str(ROOT / 'build/wineprefix'))
    env.setdefault('VYPNUTI_XVFB', 'poruchy')
    return env


def run_tests(build_dir, tests, gtest_filter, timeout):
    """('passed' | 'failed' | 'timeout' | 'crash', failing test names)."""
    report, log = build_dir / 'poruchy.json', build_dir / 'poruchy.log'
    report.unlink(missing_ok=True)
    command, env = [f'./{PROGRAM[tests]}', '--gtest_output=json:poruchy.json'], None
    if tests == 'win32':
        command, env = win32_command(build_dir, '--gtest_output=json:poruchy.json'), wine_env()
        if gtest_filter:
            command.append('--gtest_filter=' + gtest_filter)
    # A session of its own, so that a timeout ends the test program and whatever it started.
    with open(log, 'wb') as output:
        test = subprocess.Popen(command, cwd=build_dir, env=env, stdout=output,
                                stderr=subprocess.STDOUT, start_new_session=True)
        try:
            code = test.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            os.killpg(test.pid, signal.SIGKILL)
            test.wait()
            return 'timeout', failed_in_log(log)
    if report.exists():
        failed = [f"{suite['name']}.{t['name']}{failure_places(t['failures'])}"
                  for suite in json.loads(report.read_text(encoding='utf-8', errors='replace'))['testsuites']
                  for t in suite['testsuite'] if t.get('failures')]
        if failed:
            return 'failed', failed
    return ('passed', []) if code == 0 else ('crash', failed_in_log(log))


def failure_places(failures):
    """Where a test failed, so that a table's row can be told from the others: "[LINE:CONTEXT;...]",
    the line of each failed check and the last line of its message (a table names its row there)."""
    places = []
    for f in failures:
        text = f.get('failure', '')
        try:  # gtest writes each byte of UTF-8 as a character of its own
            text = text.encode('latin-1').decode('utf-8', errors='replace')
        except UnicodeEncodeError:
            pass
        line = text.split('\n', 1)[0].rpartition(':')[2]
        context = text.rstrip().rpartition('\n')[2].strip()[:60]
        place = ''.join(c for c in f"{line}:{context}" if c.isprintable()).translate(str.maketrans(',;[]', '    '))
        if place not in places:
            places.append(place)
    return '[' + ';'.join(places[:20]) + ']'


def test_name(failed):
    """A failed test's name without its places."""
    return failed.split('[', 1)[0]


def run_each_alone(build_dir, timeout):
    """Every Win32 test in a process of its own, as CTest runs them: some do not pass after others
    in one process. Statuses as run_tests."""
    listing = subprocess.run(win32_command(build_dir, '--gtest_list_tests'), cwd=build_dir,
                             env=wine_env(), capture_output=True, text=True).stdout
    names, suite = [], ''
    for line in listing.splitlines():
        if line and not line.startswith(' ') and line.rstrip().endswith('.'):
            suite = line.strip()
        elif line.startswith('  ') and suite:
            names.append(suite + line.split('#')[0].strip())
    statuses, failed = set(), []
    for name in names:
        status, names_failed = run_tests(build_dir, 'win32', name, timeout)
        statuses.add(status)
        failed += names_failed or ([name] if status != 'passed' else [])
    for status in ('failed', 'crash', 'timeout'):
        if status in statuses:
            return status, failed
    return 'passed', []


def failed_in_log(log):
    """Without a report (a crash, a timeout), the tests that failed and the one that was running,
    from the program's output."""
    failed, running = [], None
    for line in log.read_text(encoding='utf-8', errors='replace').splitlines():
        name = line[13:].split(' (')[0].strip()
        if line.startswith('[ RUN      ]'):
            running = name
        elif line.startswith(('[       OK ]', '[  FAILED  ]')):
            if line.startswith('[  FAILED  ]') and name not in failed and '.' in name:
                failed.append(name)
            running = None
    return failed + ([running] if running and running not in failed else [])


def run_rows_tests(build_dir, tests, file, timeout):
    """The tests a row of this file runs: every native test; the file's own Win32 suites in one
    process, or, when it has none, every Win32 test alone."""
    if tests == 'native':
        return run_tests(build_dir, tests, None, timeout)
    gtest_filter = win32_filter(file)
    if not gtest_filter:
        return run_each_alone(build_dir, timeout)
    return run_tests(build_dir, tests, gtest_filter, timeout)


def apply_fault(path, row):
    """The file's text with the fault in, or None when the row's text is not there exactly once."""
    text = path.read_text(encoding='utf-8')
    if text.count(row['old']) != 1:
        return None
    return text.replace(row['old'], row['new'])


def write_touched(path, text):
    path.write_text(text, encoding='utf-8')
    os.utime(path)  # a new time stamp, so that the build always sees the change


def run_fault(tree, row, timeout):
    """One row: fault in, build, test, original back. A result row as a dict."""
    started = time.monotonic()
    path = tree / row['file']
    original = path.read_text(encoding='utf-8')
    faulty = apply_fault(path, row)
    result = {'row': row['row'], 'file': row['file'], 'tests': row['tests'], 'failed': ''}
    if faulty is None:
        return result | {'outcome': 'pattern-missing', 'seconds': 0}
    build_dir = configure(tree, row['tests'])
    try:
        write_touched(path, faulty)
        built, _ = build(build_dir, row['tests'])
        if not built:
            outcome, failed = 'no-build', []
        else:
            status, failed = run_rows_tests(build_dir, row['tests'], row['file'], timeout[row['tests']])
            outcome = 'survived' if status == 'passed' else 'caught'
            if status in ('timeout', 'crash'):
                failed = failed + [f'({status})']
    finally:
        write_touched(path, original)
    return result | {'outcome': outcome, 'failed': ','.join(failed),
                     'seconds': round(time.monotonic() - started, 1)}


def check_baseline(tree, tests, timeout, files):
    """Without a fault every test that the rows will run must pass, or every fault would look
    caught."""
    build_dir = configure(tree, tests)
    built, log = build(build_dir, tests)
    if not built:
        sys.exit(f'the unchanged tree does not build ({tree}):\n{log}')
    # One run per file's filter, as the rows run them: CTest runs each Win32 test alone, and some
    # of them do not pass after others in one process.
    for file in {win32_filter(f): f for f in files}.values() if tests == 'win32' else [None]:
        status, failed = run_rows_tests(build_dir, tests, file, timeout[tests])
        if status != 'passed':
            sys.exit(f'the unchanged tree fails its {tests} tests: {status} {" ".join(failed)}')


def write_results(path, results):
    lines = [RESULT_HEADER] + ['\t'.join(str(r[k]) for k in RESULT_HEADER.split('\t'))
                               for r in sorted(results, key=lambda r: r['row'])]
    path.write_text('\n'.join(lines) + '\n', encoding='utf-8')


def read_results(path):
    lines = path.read_text(encoding='utf-8').splitlines()
    keys = lines[0].split('\t')
    return [dict(zip(keys, line.split('\t'))) for line in lines[1:] if line]


def summary(results):
    """Caught of the faults that built, per file, and the totals."""
    per_file = {}
    for r in results:
        counts = per_file.setdefault(r['file'], {'caught': 0, 'survived': 0, 'no-build': 0,
                                                 'pattern-missing': 0})
        counts[r['outcome']] += 1
    total = {k: sum(c[k] for c in per_file.values()) for k in ('caught', 'survived', 'no-build',
                                                               'pattern-missing')}
    lines = [f"{f}: {c['caught']}/{c['caught'] + c['survived']}" +
             (f" ({c['no-build']} no-build)" if c['no-build'] else '') +
             (f" ({c['pattern-missing']} pattern-missing)" if c['pattern-missing'] else '')
             for f, c in sorted(per_file.items())]
    lines.append(f"total: {total['caught']} caught, {total['survived']} survived, "
                 f"{total['no-build']} no-build, {total['pattern-missing']} pattern-missing")
    return '\n'.join(lines)


def compare(old_path, results):
    """The faults caught in the old results but not in these; True when there are none."""
    now = {int(r['row']): r for r in results}
    lost = [r for r in read_results(old_path)
            if r['outcome'] == 'caught' and int(r['row']) in now and now[int(r['row'])]['outcome'] != 'caught']
    for r in lost:
        print(f"lost: row {r['row']} {r['file']} (was caught by {r['failed']}, "
              f"now {now[int(r['row'])]['outcome']})")
    return not lost


def run(rows, jobs, timeout, out):
    """Native rows over `jobs` scratch trees at once, then the win32 rows one by one in a tree of
    their own (one Wine display)."""
    trees = {'native': [SCRATCH / ('strom' if j == 0 else f'strom{j + 1}') for j in range(jobs)],
             'win32': [SCRATCH / 'strom-win32']}
    results, lock = [], threading.Lock()

    def worker(tree, work):
        while True:
            try:
                row = work.get_nowait()
            except queue.Empty:
                return
            result = run_fault(tree, row, timeout)
            with lock:
                results.append(result)
                write_results(out, results)
                names = ','.join(test_name(f) for f in result['failed'].split(',') if f)
                print(f"row {row['row']} {row['file']}: {result['outcome']} {names} "
                      f"({result['seconds']} s)", flush=True)

    for tests in ('native', 'win32'):
        mine = [r for r in rows if r['tests'] == tests]
        if not mine:
            continue
        for tree in trees[tests]:
            sync_tree(tree)
            check_baseline(tree, tests, timeout, [r['file'] for r in mine])
        work = queue.Queue()
        for row in mine:
            work.put(row)
        threads = [threading.Thread(target=worker, args=(tree, work)) for tree in trees[tests]]
        for t in threads:
            t.start()
        for t in threads:
            t.join()
    return results


def main():
    p = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    p.add_argument('--only', choices=['native', 'win32'])
    p.add_argument('--rows', help='A-B[,C-D...], numbered from 1 after the header')
    p.add_argument('--jobs', type=int, default=1, help='scratch trees at once (native rows)')
    p.add_argument('--timeout', type=int, nargs=2, default=[30, 1800], metavar=('NATIVE', 'WIN32'),
                   help='seconds a test run may take; longer counts as caught')
    p.add_argument('--out', type=Path, default=SCRATCH / 'vysledky.tsv')
    p.add_argument('--compare', type=Path, metavar='OLD_RESULTS')
    p.add_argument('--summary', type=Path, metavar='RESULTS', help='only print the summary of RESULTS')
    p.add_argument('--check', action='store_true', help='only check that every row applies')
    a = p.parse_args()
    if a.summary:
        print(summary(read_results(a.summary)))
        return 0
    rows = select_rows(read_list(LIST), a.only, a.rows)
    missing = [r for r in rows if apply_fault(ROOT / r['file'], r) is None]
    for r in missing:
        print(f"row {r['row']}: its text is not exactly once in {r['file']}", file=sys.stderr)
    if a.check:
        return 1 if missing else 0
    started = time.monotonic()
    a.out.parent.mkdir(parents=True, exist_ok=True)
    results = run(rows, a.jobs, {'native': a.timeout[0], 'win32': a.timeout[1]}, a.out)
    print(summary([{k: str(v) for k, v in r.items()} for r in results]))
    print(f'{len(results)} faults in {round(time.monotonic() - started)} s; results in {a.out}')
    if a.compare and not compare(a.compare, read_results(a.out)):
        return 1
    return 1 if missing else 0


if __name__ == '__main__':
    sys.exit(main())
