// SPDX-License-Identifier: GPL-3.0-or-later
// vantrel_start.json beside the engine's module (see StartTable in vantrel_engine.d.ts).
declare module 'vantrel-start' {
  const table: import('vantrel-engine').StartTable;
  export default table;
}
