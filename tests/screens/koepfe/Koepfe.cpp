// Trägt nur die vorübersetzten Köpfe der Bildschirmtests.
