// SPDX-License-Identifier: GPL-3.0-or-later
// An element of the page made in one call: its tag, its class and what it holds.

export function make<K extends keyof HTMLElementTagNameMap>(
  name: K,
  className = '',
  ...children: (Node | string)[]
): HTMLElementTagNameMap[K] {
  const node = document.createElement(name);
  if (className) node.className = className;
  node.append(...children);
  return node;
}
