// SPDX-License-Identifier: GPL-3.0-or-later
// The picture menus: on the big drawing "Copy picture" and "Save picture as…" for the
// organism shown; on a picture of the population view also "Save all as one picture…" and
// "Family tree".
import type { Engine, VantrelEngineModule } from 'vantrel-engine';
import { showMenu } from './context_menu';
import type { MenuCommand } from './context_menu';
import { copyPicture, saveAllPictures, savePicture } from './picture_files';
import { texts } from './texts';

// Opens the menu for organism `row` (from 1) at (x, y); nothing outside the table.
export function showPictureMenu(
  vantrel: VantrelEngineModule,
  engine: Engine,
  row: number,
  x: number,
  y: number,
  withPopulation: boolean,
  openFamilyTree?: (row: number) => void,
): void {
  const organism = row >= 1 && row <= engine.rowCount() ? engine.rows(row, 1)[0] : undefined;
  if (!organism) return;
  const { id, dna } = organism;
  const commands: MenuCommand[] = [
    { label: texts.pictures.copy, act: () => void copyPicture(engine, dna) },
    { label: texts.pictures.saveAs, act: () => void savePicture(vantrel, engine, dna, id) },
  ];
  if (withPopulation)
    commands.push({
      label: texts.pictures.saveAll,
      act: () => void saveAllPictures(vantrel, engine),
    });
  if (openFamilyTree)
    commands.push({ label: texts.pictures.familyTree, act: () => openFamilyTree(row) });
  showMenu(commands, x, y, texts.pictures.menu);
}
