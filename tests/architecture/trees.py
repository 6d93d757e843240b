"""Small source trees for the architecture checks' own tests."""


def write_tree(root, files):
    """Writes every file of `files` (path relative to root: text) under root."""
    for name, text in files.items():
        path = root / name
        path.parent.mkdir(parents=True, exist_ok=True)
        path.write_text(text)
