// SPDX-License-Identifier: GPL-3.0-or-later
// Vite's import.meta.glob, as far as the page uses it: every file a pattern names when the
// page is built, each as its address (the page does not take Vite's client types whole).
interface ImportMeta {
  glob<T>(
    pattern: string,
    options: { query: string; import: string; eager: true },
  ): Record<string, T>;
}
