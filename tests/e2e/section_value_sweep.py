#!/usr/bin/env python3
"""Sweep of the section values of a few inputs: every number of the SECTIONS block (the count
line aside) set in turn to 0, -1.5, 1e30 and 1e-30, each run with `orvane --json`. Counts the
runs that end with exit 0 and a NaN (null) in a numeric result, a bending stiffness of zero or
less in the results JSON or NaN/Infinity in the report, and those that accepted a negative value
of a positive field (bar coordinates excepted). Not part of ctest: a tool for comparing builds.

usage: section_value_sweep.py ORVANE_COMMAND OUTPUT.json
"""
import json, os, re, subprocess, sys, tempfile
bin_, outp = sys.argv[1], sys.argv[2]
root = os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', '..') + '/'
files = ['python/tests/data/every-section-type.lp', 'examples/pier4-drilled-shaft.lp',
         'examples/micropile-group-member.lp', 'examples/section-families-ei-only.lp',
         'examples/drilled-shaft-clay-sand-si.lp', 'examples/pipe-pile-soft-clay.lp']
values = ['0', '-1.5', '1e30', '1e-30']
num = re.compile(r'^[-+]?(\d+\.?\d*|\.\d+)([eE][-+]?\d+)?$')
def bad_json(d):
    why = []
    def walk(x, key):
        if isinstance(x, dict):
            for k, v in x.items(): walk(v, k)
        elif isinstance(x, list):
            for v in x: walk(v, key)
        elif x is None and key in ('moment', 'bending_stiffness', 'curvature', 'deflection', 'slope', 'shear',
                                   'soil_reaction', 'nominal_moment', 'max_moment',
                                   'head_deflection', 'axial_compression', 'axial_tension', 'total_stress'):
            why.append('NaN in ' + key)
        elif isinstance(x, (int, float)) and not isinstance(x, bool) and key == 'bending_stiffness' and x <= 0:
            why.append('EI<=0')
    walk(d, '')
    return sorted(set(why))
res = []
for f in files:
    lines = open(root + f).read().split('\n')
    start = lines.index('SECTIONS') + 1
    end = start
    while not re.match(r'^[A-Z][A-Z /-]+$', lines[end]) or lines[end].startswith('Use') : end += 1
    for i in range(start + 1, end):   # skip the count line
        toks = lines[i].split()
        for t, tok in enumerate(toks):
            if not num.match(tok): continue
            for v in values:
                nt = list(toks); nt[t] = v
                new = list(lines); new[i] = '  '.join(nt)
                with tempfile.TemporaryDirectory() as d:
                    p = os.path.join(d, 'm.lp'); open(p, 'w').write('\n'.join(new))
                    try:
                        r = subprocess.run([bin_, p, '--json'], capture_output=True, timeout=60)
                        rc = r.returncode
                    except subprocess.TimeoutExpired:
                        rc = 'timeout'
                    why = []
                    code = None
                    jp = os.path.join(d, 'm-results.json')
                    if os.path.exists(jp):
                        try:
                            dj = json.load(open(jp)); why = bad_json(dj)
                        except Exception as e: why = ['json ' + str(e)[:30]]
                    rep = os.path.join(d, 'm-report.txt')
                    err = ''
                    if os.path.exists(rep):
                        txt = open(rep, errors='replace').read()
                        if re.search(r'\bnan\b|NaN|Infinity|\binf\b', txt, re.I): why.append('NaN/inf in report')
                        m = re.findall(r'(Input Data Error No\.\s*\d+|Runtime Error No\.\s*\d+)', txt)
                        err = m[0] if m else ''
                    coord = (len(toks) == 6 and t >= 4) or (len(toks) == 5 and t >= 3)
                    if v.startswith('-') and rc == 0 and float(tok) > 0 and not coord: why.append('negative accepted')
                    res.append(dict(file=f, line=i + 1, tok=t, orig=tok, value=v, rc=rc, err=err, why=why))
json.dump(res, open(outp, 'w'), indent=0)
bad = [r for r in res if r['rc'] == 0 and any(w != 'negative accepted' for w in r['why'])]
neg = [r for r in res if r['rc'] == 0 and 'negative accepted' in r['why']]
print('runs', len(res), 'exit0 with NaN/EI<=0:', len(bad), 'exit0 negative accepted:', len(neg))
