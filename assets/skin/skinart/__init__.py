"""Vector art of the configuration program's skin, drawn with cairo at any display scale."""
