// SPDX-License-Identifier: GPL-3.0-or-later
// Waiting for a task of one's own, so that long work goes in slices and what is waiting
// (input, drawing, messages) comes in between.

// Resolves in a task of its own, after the messages and events already waiting. A message
// is used rather than a timer, which the browser holds back for 4 ms once several timers
// follow one another.
export function nextTask(): Promise<void> {
  return new Promise((resolve) => {
    const channel = new MessageChannel();
    channel.port1.onmessage = () => {
      channel.port1.close();
      resolve();
    };
    channel.port2.postMessage(null);
  });
}
