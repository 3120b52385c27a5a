// SPDX-License-Identifier: GPL-3.0-or-later
// Where the population view's pictures go: equal cells in rows that fill the width, in
// table order, the block centred across; the desktop's rules, in pure arithmetic, so a
// view of 100,000 organisms costs nothing until the visible part is drawn.

export interface Rect {
  left: number;
  top: number;
  width: number;
  height: number;
}

export class GalleryLayout {
  readonly columns: number;
  private readonly left: number; // spare width, shared equally left and right

  // `pictureSize` is already within the allowed sizes; `labelHeight` is the text under each.
  constructor(
    readonly count: number,
    readonly pictureSize: number,
    private readonly labelHeight: number,
    private readonly padding: number,
    width: number,
  ) {
    this.count = Math.max(0, count);
    this.columns = Math.max(1, Math.floor(width / this.cellWidth));
    this.left = Math.max(0, Math.floor((width - this.columns * this.cellWidth) / 2));
  }

  get cellWidth(): number {
    return this.pictureSize + 2 * this.padding;
  }
  get cellHeight(): number {
    return this.pictureSize + 2 * this.padding + this.labelHeight;
  }
  get rows(): number {
    return Math.ceil(this.count / this.columns);
  }
  get contentHeight(): number {
    return this.rows * this.cellHeight;
  }

  // The cell of picture `index` (0 = first organism), in content coordinates.
  cell(index: number): Rect {
    return {
      left: this.left + (index % this.columns) * this.cellWidth,
      top: Math.floor(index / this.columns) * this.cellHeight,
      width: this.cellWidth,
      height: this.cellHeight,
    };
  }

  picture(index: number): Rect {
    const cell = this.cell(index);
    const p = this.padding;
    return {
      left: cell.left + p,
      top: cell.top + p,
      width: this.pictureSize,
      height: this.pictureSize,
    };
  }

  // The label under the picture.
  label(index: number): Rect {
    const picture = this.picture(index);
    return {
      left: picture.left,
      top: picture.top + this.pictureSize,
      width: this.pictureSize,
      height: this.labelHeight + this.padding,
    };
  }

  // The first, and one past the last, index with a cell between content heights `top` and
  // `bottom` (exclusive).
  firstIndexIn(top: number): number {
    const first = Math.floor(Math.max(0, top) / this.cellHeight) * this.columns;
    return Math.min(first, this.count);
  }
  endIndexIn(bottom: number): number {
    if (bottom <= 0) return 0;
    const lastRow = Math.floor((bottom - 1) / this.cellHeight);
    return Math.min((lastRow + 1) * this.columns, this.count);
  }

  // The index an arrow key moves to from `index`: `across` -1/+1 for left/right, `down`
  // -1/+1 for up/down; it stays within the pictures.
  step(index: number, across: number, down: number): number {
    if (this.count === 0) return -1;
    const target = index + across + down * this.columns;
    // A step down from the last full row lands on the last picture; other steps off the
    // edge stay put.
    if (target >= this.count)
      return down > 0 && Math.floor(index / this.columns) < this.rows - 1 ? this.count - 1 : index;
    return target < 0 ? index : target;
  }
}
