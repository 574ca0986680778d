// The WebAssembly core read as zemra6-text reads its standard input: one
// action a line, one JSON screen a line, the first screen before any action.
// Usage: node core_cli.js MODULE SEED [--new-run] [--save FILE] < actions
// (--save: the sitting starts from that save.dat, as in a folder that holds it),
// or node core_cli.js MODULE SEED --battles N: the battle benchmark's line
// for the seed, as zemra6-battlebench prints it, and the time it took,
// or node core_cli.js MODULE - --replay FILE [--rounds N]: the recording
// watched as the page watches it, N times over, then its verdict, the inputs
// applied and the time they took.
'use strict';
const path = require('path');
const readline = require('readline');

async function main() {
  const [modulePath, seed, ...rest] = process.argv.slice(2);
  const Zemra6Core = require(path.resolve(modulePath));
  const core = await Zemra6Core();
  const battles = rest.indexOf('--battles');
  if (battles >= 0) {
    const start = process.hrtime.bigint();
    const line = core.battleBench(seed, Number(rest[battles + 1]));
    const ms = Number(process.hrtime.bigint() - start) / 1e6;
    console.log(`seed ${seed}: ${line}`);
    console.error(`${ms.toFixed(0)} ms`);
    return;
  }
  const replay = rest.indexOf('--replay');
  if (replay >= 0) {
    const rounds = rest.includes('--rounds') ? Number(rest[rest.indexOf('--rounds') + 1]) : 1;
    core.FS.writeFile('/replayed.zrec', require('fs').readFileSync(rest[replay + 1]));
    let inputs = 0;
    let ms = 0;
    let verdict = '';
    for (let round = 0; round < rounds; ++round) {
      const opened = JSON.parse(core.watchOpen('/replayed.zrec', path.basename(rest[replay + 1])));
      if (opened.refused) throw new Error(opened.refused);
      const start = process.hrtime.bigint();
      while (core.watchNext() !== 'null') {
        core.watchApply();
        ++inputs;
      }
      ms += Number(process.hrtime.bigint() - start) / 1e6;
      verdict = JSON.parse(core.watchVerdict('ja'));
    }
    console.log(JSON.stringify({ status: verdict.status, verdict: verdict.verdict, inputs }));
    console.error(`${ms.toFixed(0)} ms`);
    return;
  }
  const save = rest.indexOf('--save');
  if (save >= 0) {
    core.FS.mkdirTree('/save');
    core.FS.writeFile('/save/save.dat', require('fs').readFileSync(rest[save + 1]));
  }
  console.log(core.start(seed, rest.includes('--new-run'), false));
  const lines = readline.createInterface({ input: process.stdin, crlfDelay: Infinity });
  for await (let line of lines) {
    if (core.finished()) break;
    if (line.endsWith('\r')) line = line.slice(0, -1);
    if (line === '') continue;
    console.log(core.perform(line));
  }
}

main().catch((error) => {
  console.error(`core_cli: ${error}`);
  process.exit(1);
});
