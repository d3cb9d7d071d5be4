// Placeholder for the level file formats.
