C:\Program Files\ZWSOFT\ZWCAD 2024\zwmenu.zrx
