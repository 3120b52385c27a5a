// SPDX-License-Identifier: GPL-3.0-or-later
// Every text the page shows, in one place.

export const texts = {
  title: 'Vantrel',
  loading: 'Loading the organisms…',
  loadFailed: 'The organisms could not be loaded:',
  feed: { label: 'Feed', name: 'Feed this organism (F)' },
  shoot: { label: 'Kill', name: 'Kill this organism (S)' },
  newGenePool: { label: 'New genepool', name: 'Start with a totally new genepool (N)' },
  organismPicture: 'The organism shown',
  health: 'Survival',
  noOrganism: 'No organism',
  tableCaption: 'The organisms',
  columns: ['ID', 'P1', 'P2', 'DNA', 'Survival'],
} as const;
