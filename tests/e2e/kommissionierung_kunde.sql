-- The customer-order filters all shown: origin, task date and number of positions.
UPDATE zam_formstore SET text = 'KuBeHerk=J' WHERE maske = 'CONFMDE' AND text = 'KuBeHerk=N';
UPDATE zam_formstore SET text = 'KuBePAnz=J' WHERE maske = 'CONFMDE' AND text = 'KuBePAnz=N';
UPDATE zam_formstore SET text = 'KuBeDate=J' WHERE maske = 'CONFMDE' AND text = 'KuBeDate=N';
