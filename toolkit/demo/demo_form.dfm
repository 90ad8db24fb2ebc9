object DemoForm: TDemoForm
  Caption = "Tarnwick toolkit demonstration"
  BorderStyle = bsDialog
  BorderIcons = [biSystemMenu, biMinimize]
  Position = poScreenCenter
  ClientWidth = 300
  ClientHeight = 170
  Color = clBtnFace
  Font.Name = "Tahoma"
  Font.Height = -11
  Menu = MainMenu1
  OnCreate = FormCreate
  object Label1: TLabel
    Left = 16
    Top = 20
    Caption = "&User name:"
    FocusControl = Edit1
    Transparent = True
  end
  object Label2: TLabel
    Left = 16
    Top = 52
    Caption = "Password:"
    Transparent = True
  end
  object Edit1: TEdit
    Left = 100
    Top = 16
    Width = 180
    Height = 21
    Text = "demo"
    TabOrder = 0
  end
  object Edit2: TEdit
    Left = 100
    Top = 48
    Width = 180
    Height = 21
    PasswordChar = "*"
    Text = "secret"
    TabOrder = 1
  end
  object Button1: TButton
    Left = 100
    Top = 84
    Width = 86
    Height = 25
    Caption = "&Log in"
    Default = True
    OnClick = Button1Click
    TabOrder = 2
  end
  object Button2: TButton
    Left = 194
    Top = 84
    Width = 86
    Height = 25
    Caption = "Close"
    Cancel = True
    OnClick = Button2Click
    TabOrder = 3
  end
  object Label3: TLabel
    Left = 16
    Top = 130
    Caption = "Status:"
  end
  object Label4: TLabel
    Left = 64
    Top = 130
    Caption = ""
    Font.Color = clRed
  end
  object Timer1: TTimer
    Interval = 1000
    OnTimer = Timer1Timer
  end
  object MainMenu1: TMainMenu
    object File1: TMenuItem
      Caption = "&File"
      object Quit1: TMenuItem
        Caption = "&Quit"
        ShortCut = 16465
        OnClick = Button2Click
      end
    end
    object Help1: TMenuItem
      Caption = "&Help"
    end
  end
end
