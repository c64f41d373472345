// placeholder while the folder fills
