// SPDX-License-Identifier: GPL-3.0-or-later
// For the measuring scripts: the loaded page at 1,000 organisms, the table shown and the
// keys going to the page.
export async function startThousand(page) {
  await page.locator('main[aria-busy="false"] [role="grid"]').waitFor({ state: 'attached' });
  const named = (name, role = 'button') => page.getByRole(role, { name, exact: true });
  await named('Advanced options').click();
  await named('Start with', 'spinbutton').fill('1001');
  await named('New').click();
  await page.locator('main').click({ position: { x: 5, y: 5 } });
}
