// The sitting room under node: inputs wait for the pictures in their order
// (the clock and the title's tap do not), a fault in the core stops the game with a word, the
// end of a journey ends the sitting, and the clock sleeps while held.
import { test } from "node:test";
import assert from "node:assert/strict";

import { Sitting } from "../../../web/js/sitting.js";

function state(extra = {}) {
  return { page: "main", terminated: false, ...extra };
}

// A core that records what it was given and answers with a plain screen.
function fakeCore({ failOn = null, endOn = null, due = -1 } = {}) {
  return {
    applied: [],
    start: () => state({ page: "title" }),
    apply(input) {
      if (input.kind === failOn) throw new Error("the core failed");
      this.applied.push(input.kind === "step" ? "step" : `${input.kind} ${input.index ?? ""}`.trim());
      return state({ terminated: input.kind === endOn });
    },
    nextDue: () => due,
    clock: () => 0,
  };
}

function hooks(paused = false) {
  const told = [];
  return {
    told,
    starting: () => told.push("starting"),
    started: () => told.push("started"),
    draw: () => {},
    kept: () => {},
    finished: () => told.push("finished"),
    broken: () => told.push("broken"),
    paused: () => paused,
  };
}

test("inputs wait for the pictures and go in in their order; the clock and the title's tap do not wait", () => {
  const core = fakeCore();
  const sitting = new Sitting(core, hooks(), false);
  sitting.start(false, "1");
  sitting.apply({ kind: "title" });
  sitting.apply({ kind: "step", ms: 5 });
  sitting.apply({ kind: "click", index: 2 });
  sitting.apply({ kind: "title" });  // off the title page, it waits like any other
  assert.deepEqual(core.applied, ["title", "step"]);
  sitting.picturesArrived();
  assert.deepEqual(core.applied, ["title", "step", "click 2", "title"]);
});

test("a fault in the core stops the sitting and says so; the end of a journey ends it", () => {
  for (const [core, word] of [[fakeCore({ failOn: "title" }), "broken"], [fakeCore({ endOn: "title" }), "finished"]]) {
    const told = hooks();
    const sitting = new Sitting(core, told, false);
    sitting.start(false, "1");
    sitting.picturesArrived();
    sitting.apply({ kind: "title" });
    assert.equal(sitting.running, false);
    assert.deepEqual(told.told, ["starting", "started", word]);
    assert.equal(sitting.apply({ kind: "title" }), null, "nothing goes in after the end");
  }
});

test("the clock sleeps while held, paused or with nothing due", () => {
  const cases = [
    { due: 10, paused: false, held: false, timer: true },
    { due: -1, paused: false, held: false, timer: false },
    { due: 10, paused: true, held: false, timer: false },
    { due: 10, paused: false, held: true, timer: false },
  ];
  for (const c of cases) {
    const sitting = new Sitting(fakeCore({ due: c.due }), hooks(c.paused), false);
    sitting.start(false, "1");
    sitting.holdClock(c.held);
    assert.equal(sitting.timer !== null, c.timer, JSON.stringify(c));
    sitting.stopClock();
  }
});

test("a watching page takes no player input", () => {
  const core = fakeCore();
  const sitting = new Sitting(core, hooks(), true);
  sitting.start(false, "1");
  sitting.picturesArrived();
  assert.equal(sitting.apply({ kind: "title" }), null);
  assert.deepEqual(core.applied, []);
});
