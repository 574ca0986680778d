// Jobs that must not overlap (copies into the store), in their order.

// Runs each job once the one before has finished. Calls made while a job
// waits to start share it, and it runs the last one's job: a copy taken when
// it starts holds every change made until then.
export class Queue {
  constructor() {
    this.last = Promise.resolve();
    this.waiting = null;
  }

  run(job) {
    if (this.waiting !== null) {
      this.waiting.job = job;
      return this.waiting.promise;
    }
    const waiting = { job };
    waiting.promise = this.last.then(() => {
      this.waiting = null;
      return waiting.job();
    });
    this.waiting = waiting;
    this.last = waiting.promise.catch(() => {});
    return waiting.promise;
  }
}
