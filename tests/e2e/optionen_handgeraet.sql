-- A site without default option sets: every terminal has to choose its warehouse first.
DELETE FROM zam_formstore WHERE schluessel = '*STANDARD*';
