// SPDX-License-Identifier: GPL-3.0-or-later
// What the page needs before the engine runs (the languages and the few texts shown while
// it compiles or when it cannot start), written by the engine when it was built, from the
// catalogues it reads (web/wasm/start_table.mjs).
import type { StartTable } from 'vantrel-engine';
import table from 'vantrel-start';

export const kStartTable: StartTable = table;
