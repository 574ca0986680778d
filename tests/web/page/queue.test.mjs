// The copies into the browser's database never overlap, run in order, and
// calls made while one waits share it (it runs the newest job), so a burst
// of inputs costs one copy; a failed copy does not stop the next.
import { test } from "node:test";
import assert from "node:assert/strict";

import { Queue } from "../../../web/js/queue.js";

test("copies run one at a time; those waiting share one run of the newest job", async () => {
  const queue = new Queue();
  const ran = [];
  let release;
  const first = queue.run(() => new Promise((resolve) => {
    ran.push("first");
    release = () => resolve("first done");
  }));
  await Promise.resolve();
  const second = queue.run(() => ran.push("second") && "second");
  const third = queue.run(() => ran.push("third") && "third");
  assert.deepEqual(ran, ["first"], "nothing starts while a copy runs");
  release();
  assert.equal(await first, "first done");
  assert.equal(await second, "third");
  assert.equal(await third, "third");
  assert.deepEqual(ran, ["first", "third"]);
});

test("a copy that fails leaves the queue free for the next", async () => {
  const queue = new Queue();
  await assert.rejects(queue.run(() => Promise.reject(new Error("full"))));
  assert.equal(await queue.run(() => "after"), "after");
});
